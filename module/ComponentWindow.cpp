// The window procedure of a CICS component's design-time window.  The host
// creates these windows; the class has no background brush, so the window
// shows nothing but the component icon in its top-left corner.
#include <windows.h>

#include "ModuleGlobals.h"

extern "C" LRESULT CALLBACK CicsDSWndProc(HWND window, UINT message, WPARAM wParam,
                                          LPARAM lParam) {
    if (message == WM_PAINT) {
        PAINTSTRUCT ps;
        HDC dc = BeginPaint(window, &ps);
        if (dc != nullptr && g_hComponentIcon != nullptr)
            DrawIcon(dc, 0, 0, g_hComponentIcon);
        EndPaint(window, &ps);
    }
    // WM_PAINT too: its update region is validated by now, so the default
    // processing paints nothing further.
    return DefWindowProcA(window, message, wParam, lParam);
}
