#include "MervikBinding.h"

#include <cstdio>

namespace {
template <class Fn> bool ByName(HMODULE module, const char* name, Fn*& entry) {
    entry = reinterpret_cast<Fn*>(reinterpret_cast<void*>(GetProcAddress(module, name)));
    if (entry == nullptr)
        std::fprintf(stderr, "designer: MERVIK11.DLL has no entry %s\n", name);
    return entry != nullptr;
}
} // namespace

bool MervikBinding::Load(const char* path) {
    module = LoadLibraryA(path);
    if (module == nullptr) {
        std::fprintf(stderr, "designer: cannot load %s (error %lu)\n", path, GetLastError());
        return false;
    }
    return ByName(module, "MervikLoadOutlineFile", loadFile) &&
           ByName(module, "MervikSaveOutlineFile", saveFile) &&
           ByName(module, "MervikPrintOutline", print) &&
           ByName(module, "MervikFindItemByName", findByName) &&
           ByName(module, "MervikOpenDesignWindows", openWindows) &&
           ByName(module, "MervikLiveStringCount", liveStrings);
}
