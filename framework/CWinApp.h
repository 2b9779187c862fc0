// The application object: exactly one per module, constructed as a global
// with the application's name.  The framework calls InitInstance when the
// module is attached and ExitInstance when it is detached.
#pragma once

#include <windows.h>

#include "CObject.h"

class CWinApp : public CObject {
    DECLARE_DYNAMIC(CWinApp)
public:
    explicit CWinApp(const char* appName = nullptr);
    ~CWinApp() override;

    CWinApp(const CWinApp&) = delete;
    CWinApp& operator=(const CWinApp&) = delete;

    virtual BOOL InitInstance();
    virtual int ExitInstance();
    // Gives the module's windows a chance at a message before it is
    // dispatched; TRUE when the message was handled.
    virtual BOOL PreTranslateMessage(MSG* msg);
    // Idle-time work for the given count; TRUE while more is wanted.
    virtual BOOL OnIdle(LONG count);

    // The colours of the module's dialogs: grey background and black text by default.
    void SetDialogBkColor(COLORREF background = RGB(192, 192, 192), COLORREF text = RGB(0, 0, 0));

    const char* m_pszAppName;
};
