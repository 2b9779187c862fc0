#include "AfxMessageBox.h"

#include "AfxModule.h"
#include "CWinApp.h"

int AfxMessageBox(const char* text, UINT type) {
    CWinApp* app = AfxGetApp();
    const char* caption = app != nullptr && app->m_pszAppName != nullptr ? app->m_pszAppName : "";
    return MessageBoxA(GetActiveWindow(), text == nullptr ? "" : text, caption, type);
}
