// The entries whose whole behaviour is a constant or a framework call.
#include <windows.h>

#include "DllHooks.h"
#include "ModuleGlobals.h"

namespace {
const char kCommandItemText[] = "ZarvoCICS...";
const COLORREF kPaletteTransparentColour = RGB(0, 255, 0);
} // namespace

extern "C" BOOL WINAPI FilterDllMsg(MSG* msg) { return AfxFilterDllMsg(msg); }

extern "C" void WINAPI ProcessDllIdle() { AfxProcessDllIdle(); }

extern "C" LRESULT WINAPI NWinClassPaletteCreate(DWORD, DWORD) { return 0; }

extern "C" LRESULT WINAPI NWinClassPaletteNotify(DWORD, DWORD, DWORD, DWORD) { return 0; }

extern "C" LRESULT WINAPI NWinPropHelp(DWORD, DWORD, DWORD, DWORD) { return 0; }

// The host gives a buffer of at least 13 bytes and no size; a null buffer
// gets nothing written and the answer 0.
extern "C" int NWinPropGetCommandItem(DWORD, DWORD, char* buffer, DWORD) {
    if (buffer == nullptr)
        return 0;
    CopyMemory(buffer, kCommandItemText, sizeof kCommandItemText);
    return static_cast<int>(sizeof kCommandItemText - 1);
}

// Writes only through the pointers that are given.
extern "C" HBITMAP NWinClassPaletteQueryBitmapItem(DWORD, COLORREF* colour, DWORD* value) {
    if (colour != nullptr)
        *colour = kPaletteTransparentColour;
    if (value != nullptr)
        *value = 0;
    return g_hPaletteBitmap;
}
