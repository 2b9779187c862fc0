// What KORVAL11.DLL holds from load to unload.  Set by CKorvalApp::InitInstance.
#pragma once

#include <windows.h>

extern HINSTANCE g_hModuleInstance;
extern HICON g_hComponentIcon;    // icon 132, painted by the component window
extern HBITMAP g_hPaletteBitmap;  // bitmap 131, handed to the class palette

extern const char kComponentWindowClass[]; // "ZCicsDataSource"
