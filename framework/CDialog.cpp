#include "CDialog.h"

#include "AfxDialogDriver.h"
#include "AfxGuard.h"
#include "AfxModule.h"

IMPLEMENT_DYNAMIC(CDialog, CWnd)

BEGIN_MESSAGE_MAP(CDialog, CWnd)
ON_COMMAND(IDOK, OnOK)
ON_COMMAND(IDCANCEL, OnCancel)
END_MESSAGE_MAP()

namespace {
// Posted to a dialog once it is up, so that the driver runs inside the modal loop.
UINT DriverMessage() {
    static const UINT message = RegisterWindowMessageA("KORVAL11 modal dialog up");
    return message;
}
} // namespace

CDialog::CDialog(UINT templateId, CWnd* parent) : m_nIDTemplate(templateId), m_pParentWnd(parent) {}

CDialog::~CDialog() {
    if (m_hBackground != nullptr)
        DeleteObject(m_hBackground);
}

INT_PTR CDialog::DoModal() {
    HINSTANCE resources = AfxGetResourceHandle();
    if (FindResourceA(resources, MAKEINTRESOURCEA(m_nIDTemplate), RT_DIALOG) == nullptr)
        return -1;
    HWND owner = m_pParentWnd != nullptr ? m_pParentWnd->m_hWnd : GetActiveWindow();
    m_bEnded = FALSE;
    INT_PTR result = DialogBoxParamA(resources, MAKEINTRESOURCEA(m_nIDTemplate), owner, DialogProc,
                                     reinterpret_cast<LPARAM>(this));
    Detach();
    if (m_hBackground != nullptr) {
        DeleteObject(m_hBackground);
        m_hBackground = nullptr;
    }
    return result;
}

INT_PTR CALLBACK CDialog::DialogProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_INITDIALOG) {
        CDialog* dialog = reinterpret_cast<CDialog*>(lParam);
        SetWindowLongPtrA(hWnd, DWLP_USER, lParam);
        dialog->Attach(hWnd);
    }
    CDialog* dialog = reinterpret_cast<CDialog*>(GetWindowLongPtrA(hWnd, DWLP_USER));
    if (dialog == nullptr)
        return FALSE;
    // Nothing thrown in the module's handlers may unwind through the dialog manager.
    return AfxGuard<INT_PTR>(FALSE, [&]() -> INT_PTR {
        try {
            return dialog->HandleMessage(message, wParam);
        } catch (...) {
            if (message == WM_INITDIALOG)
                ::EndDialog(hWnd, -1);
            throw;
        }
    });
}

INT_PTR CDialog::HandleMessage(UINT message, WPARAM wParam) {
    switch (message) {
    case WM_INITDIALOG: {
        m_hBackground = CreateSolidBrush(AfxGetDialogBkColor());
        BOOL focusFirstTabStop = OnInitDialog();
        PostMessageA(m_hWnd, DriverMessage(), 0, 0);
        return focusFirstTabStop;
    }
    case WM_CTLCOLORDLG:
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN:
        if (m_hBackground == nullptr)
            return FALSE;
        SetTextColor(reinterpret_cast<HDC>(wParam), AfxGetDialogTextColor());
        SetBkColor(reinterpret_cast<HDC>(wParam), AfxGetDialogBkColor());
        return reinterpret_cast<INT_PTR>(m_hBackground);
    }
    if (message == DriverMessage()) {
        if (AfxRunModalDialogDriver(m_hWnd) && !m_bEnded)
            EndDialog(IDABORT);
        return TRUE;
    }
    LRESULT result = 0;
    if (!OnWndMsg(message, wParam, &result))
        return FALSE;
    SetWindowLongPtrA(m_hWnd, DWLP_MSGRESULT, result);
    return TRUE;
}

BOOL CDialog::OnInitDialog() {
    UpdateData(FALSE);
    return TRUE;
}

void CDialog::OnOK() {
    if (UpdateData(TRUE))
        EndDialog(IDOK);
}

void CDialog::OnCancel() {
    EndDialog(IDCANCEL);
}

void CDialog::DoDataExchange(CDataExchange*) {}

BOOL CDialog::UpdateData(BOOL saveAndValidate) {
    if (saveAndValidate && !RunDataExchange(TRUE, TRUE))
        return FALSE;
    return RunDataExchange(saveAndValidate, FALSE);
}

BOOL CDialog::RunDataExchange(BOOL saveAndValidate, BOOL validateOnly) {
    CDataExchange dx(this, saveAndValidate);
    dx.m_bValidateOnly = validateOnly;
    try {
        DoDataExchange(&dx);
    } catch (CException* e) {
        if (!e->IsKindOf(RUNTIME_CLASS(CUserException)))
            throw;
        e->Delete();
        return FALSE;
    }
    return TRUE;
}

void CDialog::EndDialog(int result) {
    m_bEnded = TRUE;
    ::EndDialog(m_hWnd, result);
}
