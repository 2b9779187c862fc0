// Entries that the host finds in the export table but whose work is not in
// the module yet: the property editor and item notification, and the
// commander and visualizer formatting.  Until each is built they answer what
// the host takes for "nothing done".
#include <windows.h>

extern "C" WORD NWinPropEditorItem(HWND, DWORD, DWORD) { return 1; }

extern "C" int NWinPropNotifyItem(DWORD, DWORD, DWORD, DWORD, DWORD, DWORD) { return 1; }

extern "C" int DSFormatCommander(DWORD, DWORD) { return 1; }

extern "C" int DSFormatVisualizer(DWORD, DWORD, DWORD, DWORD) { return 1; }
