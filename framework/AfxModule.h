// The state of the one module (DLL) this framework is linked into: its
// instance handle, its application object and its dialog colours.
#pragma once

#include <windows.h>

class CWinApp;

CWinApp* AfxGetApp();
HINSTANCE AfxGetInstanceHandle();
// The module whose resources LoadString, dialogs and icons come from.
HINSTANCE AfxGetResourceHandle();

// Colours that the module's dialogs are drawn in (CWinApp::SetDialogBkColor).
COLORREF AfxGetDialogBkColor();
COLORREF AfxGetDialogTextColor();
void AfxSetDialogColors(COLORREF background, COLORREF text);

// Called by the DLL entry point: attach runs the application's InitInstance
// and answers its result; detach runs ExitInstance.
BOOL AfxDllAttach(HINSTANCE module);
void AfxDllDetach();

// CWinApp's constructor and destructor register and clear the one application.
void AfxSetApp(CWinApp* app);
