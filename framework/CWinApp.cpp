#include "CWinApp.h"

#include "AfxModule.h"
#include "TempMaps.h"

IMPLEMENT_DYNAMIC(CWinApp, CObject)

CWinApp::CWinApp(const char* appName) : m_pszAppName(appName) {
    AfxSetApp(this);
}

CWinApp::~CWinApp() {
    if (AfxGetApp() == this)
        AfxSetApp(nullptr);
}

BOOL CWinApp::InitInstance() {
    return TRUE;
}

int CWinApp::ExitInstance() {
    AfxReleaseTempObjects();
    return 0;
}

BOOL CWinApp::PreTranslateMessage(MSG* msg) {
    // A DLL's windows are its modal dialogs, which run their own message
    // loop; no window of the module sees the host's messages beforehand, so
    // the default claims none.
    (void)msg;
    return FALSE;
}

BOOL CWinApp::OnIdle(LONG count) {
    // Temporary window objects made since the last idle time are released
    // on both passes (unless a call in progress holds the maps locked); one
    // more pass is wanted only after the first.
    AfxReleaseTempObjects();
    return count < 1;
}

void CWinApp::SetDialogBkColor(COLORREF background, COLORREF text) {
    AfxSetDialogColors(background, text);
}
