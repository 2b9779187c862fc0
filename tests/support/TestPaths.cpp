#include "TestPaths.h"

#include <windows.h>

std::string BinaryFolder() {
    char path[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string folder(path);
    return folder.substr(0, folder.find_last_of("\\/") + 1);
}

std::vector<BuildFolder> ProductFolders() {
#ifdef __i386__
    return {{BinaryFolder(), IMAGE_FILE_MACHINE_I386}};
#else
    std::vector<BuildFolder> folders = {{BinaryFolder(), IMAGE_FILE_MACHINE_AMD64}};
    // Set by the run script, as a Unix path that Wine maps through drive Z:.
    const char* win32 = KORVAL_WIN32_BINARY_DIR;
    if (*win32 != '\0')
        folders.push_back({std::string("Z:") + win32 + "/", IMAGE_FILE_MACHINE_I386});
    return folders;
#endif
}
