#include "KorvalApp.h"

#include "AfxModule.h"
#include "DataItemTable.h"
#include "ModuleGlobals.h"
#include "resource.h"

extern "C" LRESULT CALLBACK CicsDSWndProc(HWND, UINT, WPARAM, LPARAM);

HINSTANCE g_hModuleInstance = nullptr;
HICON g_hComponentIcon = nullptr;
HBITMAP g_hPaletteBitmap = nullptr;
const char kComponentWindowClass[] = "ZCicsDataSource";

// Defined in this order on purpose: the table is built before the application
// object and, in reverse, destroyed after it.
CDataItemTable DataItemTable;
CKorvalApp theApp;

CKorvalApp::CKorvalApp() : CWinApp("KORVAL11.DLL") {}

BOOL CKorvalApp::InitInstance() {
    SetDialogBkColor();
    g_hModuleInstance = AfxGetResourceHandle();
    g_hComponentIcon = LoadIconA(g_hModuleInstance, MAKEINTRESOURCEA(IDI_COMPONENT));
    g_hPaletteBitmap = LoadBitmapA(g_hModuleInstance, MAKEINTRESOURCEA(IDB_PALETTE));

    // Global, so that the host creates windows of the class with its own instance.
    WNDCLASSA wc = {};
    wc.style = CS_GLOBALCLASS | CS_DBLCLKS;
    wc.lpfnWndProc = CicsDSWndProc;
    wc.hInstance = g_hModuleInstance;
    wc.lpszClassName = kComponentWindowClass;
    RegisterClassA(&wc);

    // A missing resource or a refused registration is not a reason to refuse
    // the load: the window then paints nothing and the palette gets no bitmap.
    return TRUE;
}

int CKorvalApp::ExitInstance() {
    UnregisterClassA(kComponentWindowClass, g_hModuleInstance);
    return CWinApp::ExitInstance();
}
