// A modal dialog run from a template in the module's own resources.  Opening
// runs the data exchange towards the controls and then focuses the first tab
// stop; OK runs it from the controls and closes only when every check passes;
// Cancel closes without touching a field.  The dialog is drawn in the
// module's dialog colours (CWinApp::SetDialogBkColor).
#pragma once

#include "CDataExchange.h"
#include "CWnd.h"

class CDialog : public CWnd {
    DECLARE_DYNAMIC(CDialog)
public:
    // The parent may be null: the dialog is then owned by the active window.
    explicit CDialog(UINT templateId, CWnd* parent = nullptr);
    ~CDialog() override;

    // IDOK or IDCANCEL; -1 when the template is missing or the dialog could
    // not be made.
    virtual INT_PTR DoModal();
    // TRUE lets the dialog manager focus the first tab stop.
    virtual BOOL OnInitDialog();
    virtual void OnOK();
    virtual void OnCancel();

    // Runs the data exchange (saveAndValidate: from the controls, writing
    // the fields only when every check passes); FALSE when a check failed.
    BOOL UpdateData(BOOL saveAndValidate = TRUE);
    void EndDialog(int result);

    UINT m_nIDTemplate;
    CWnd* m_pParentWnd;

protected:
    virtual void DoDataExchange(CDataExchange* dx);
    DECLARE_MESSAGE_MAP()

private:
    static INT_PTR CALLBACK DialogProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam);
    INT_PTR HandleMessage(UINT message, WPARAM wParam);
    BOOL RunDataExchange(BOOL saveAndValidate, BOOL validateOnly);

    HBRUSH m_hBackground = nullptr;
    BOOL m_bEnded = FALSE;
};
