// The entries of KORVAL11.DLL as a host sees them: ordinals and pointer types.
// The host finds every entry by ordinal (GetProcAddress(module, MAKEINTRESOURCE(n))).
#pragma once

#include <windows.h>

enum KorvalOrdinal {
    ORD_CicsDSWndProc = 1,
    ORD_FilterDllMsg = 2,
    ORD_ProcessDllIdle = 3,
    ORD_NWinClassPaletteCreate = 4,
    ORD_NWinClassPaletteNotify = 5,
    ORD_NWinPropHelp = 6,
    ORD_NWinPropEditorItem = 20,
    ORD_NWinPropGetCommandItem = 21,
    ORD_NWinPropNotifyItem = 22,
    ORD_NWinClassPaletteQueryBitmapItem = 25,
    ORD_DSEnumItems = 30,
    ORD_DSEnumCommands = 31,
    ORD_DSFormatCommander = 33,
    ORD_DSFormatVisualizer = 34,
};

typedef LRESULT(CALLBACK* PFN_CicsDSWndProc)(HWND, UINT, WPARAM, LPARAM);
typedef BOOL(WINAPI* PFN_FilterDllMsg)(MSG*);
typedef void(WINAPI* PFN_ProcessDllIdle)(void);
typedef LRESULT(WINAPI* PFN_NWinClassPaletteCreate)(DWORD, DWORD);
typedef LRESULT(WINAPI* PFN_NWinClassPaletteNotify)(DWORD, DWORD, DWORD, DWORD);
typedef LRESULT(WINAPI* PFN_NWinPropHelp)(DWORD, DWORD, DWORD, DWORD);
typedef WORD (*PFN_NWinPropEditorItem)(HWND parent, DWORD outline, DWORD item);
typedef int (*PFN_NWinPropGetCommandItem)(DWORD, DWORD, char* buffer, DWORD);
typedef int (*PFN_NWinPropNotifyItem)(DWORD outline, DWORD item, DWORD, DWORD code,
                                      DWORD detail, DWORD);
typedef HBITMAP (*PFN_NWinClassPaletteQueryBitmapItem)(DWORD, COLORREF* colour, DWORD* value);
typedef int (*PFN_DSEnumItems)(HWND component, DWORD stringArray);
typedef int (*PFN_DSEnumCommands)(HWND component, HWND listBox);
typedef int (*PFN_DSFormatCommander)(DWORD outline, DWORD item);
typedef int (*PFN_DSFormatVisualizer)(DWORD outline, DWORD item, DWORD, DWORD);
