// MERVIK11.DLL as the designer binds it: loaded with LoadLibraryA, the outline
// operations found by ordinal and the library's own API by name.
#pragma once

#include <windows.h>

#include "HostOutline.h"
#include "MervikApi.h"

enum HostOrdinal {
#define HOST_OPERATION(ordinal, name, bytes) ORD_##name = ordinal,
#include "HostOrdinals.h"
#undef HOST_OPERATION
};

struct MervikBinding {
    HMODULE module = nullptr;
    decltype(&MervikLoadOutlineFile) loadFile = nullptr;
    decltype(&MervikSaveOutlineFile) saveFile = nullptr;
    decltype(&MervikPrintOutline) print = nullptr;
    decltype(&MervikFindItemByName) findByName = nullptr;
    decltype(&MervikOpenDesignWindows) openWindows = nullptr;
    decltype(&MervikLiveStringCount) liveStrings = nullptr;

    // False, with the reason printed, when the DLL or one of its entries is missing.
    bool Load(const char* path);

    template <class Fn> Fn* Operation(int ordinal) const {
        return reinterpret_cast<Fn*>(
            reinterpret_cast<void*>(GetProcAddress(module, MAKEINTRESOURCEA(ordinal))));
    }
};

#define HOST_OPERATION_OF(binding, name) (binding).Operation<decltype(name)>(ORD_##name)
