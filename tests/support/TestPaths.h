// Where the built binaries are: the test programs run from the same folder.
#pragma once

#include <string>
#include <vector>

// The folder of the running test program, with a trailing backslash.
std::string BinaryFolder();
inline std::string KorvalPath() { return BinaryFolder() + "KORVAL11.DLL"; }

// The folders whose binaries are checked as files: this build's, and the
// 32-bit product's when this is the 64-bit build and the run names it.
struct BuildFolder {
    std::string path; // with a trailing separator
    unsigned short machine; // IMAGE_FILE_MACHINE_I386 or _AMD64
};
std::vector<BuildFolder> ProductFolders();
