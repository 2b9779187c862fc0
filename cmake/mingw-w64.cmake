# Shared by the two mingw-w64 toolchain files; TOOLCHAIN_PREFIX names the target.
# The posix thread model gives the standard library its threads (GoogleTest
# needs std::mutex); its runtime is linked statically like the rest.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_C_COMPILER ${TOOLCHAIN_PREFIX}-gcc-posix)
set(CMAKE_CXX_COMPILER ${TOOLCHAIN_PREFIX}-g++-posix)
set(CMAKE_RC_COMPILER ${TOOLCHAIN_PREFIX}-windres)
set(CMAKE_DLLTOOL ${TOOLCHAIN_PREFIX}-dlltool)

set(CMAKE_FIND_ROOT_PATH /usr/${TOOLCHAIN_PREFIX})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)

# Test programs and the designer are Windows executables: ctest starts them
# through the Wine loader of the target's width.
set(CMAKE_CROSSCOMPILING_EMULATOR ${KORVAL_WINE_LOADER})
