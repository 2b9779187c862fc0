#include "CDataExchange.h"

#include "AfxMessageBox.h"
#include "CException.h"
#include "CWnd.h"

namespace {
CString WindowText(HWND hWnd) {
    CString text;
    int length = GetWindowTextLengthA(hWnd);
    int copied = GetWindowTextA(hWnd, text.GetBuffer(length), length + 1);
    text.ReleaseBuffer(copied >= 0 && copied <= length ? copied : 0);
    return text;
}

bool IsComboBox(HWND hWnd) {
    char className[16] = "";
    GetClassNameA(hWnd, className, sizeof className);
    return lstrcmpiA(className, "ComboBox") == 0;
}
// Stores a text read from a control: into the field, or, in the validating
// run, aside for the checks that follow.
void SaveText(CDataExchange* dx, CString& value, const CString& text) {
    if (dx->m_bValidateOnly) {
        dx->m_strPending = text;
        dx->m_bHasPending = TRUE;
    } else {
        value = text;
    }
}
} // namespace

CDataExchange::CDataExchange(CWnd* dialog, BOOL saveAndValidate)
    : m_bSaveAndValidate(saveAndValidate), m_pDlgWnd(dialog) {}

HWND CDataExchange::PrepareCtrl(int id) {
    HWND control = GetDlgItem(m_pDlgWnd->m_hWnd, id);
    if (control == nullptr) // a field bound to a control the template lacks
        AfxThrowUserException();
    m_hWndLastControl = control;
    m_bEditLastControl = FALSE;
    m_bHasPending = FALSE;
    return control;
}

HWND CDataExchange::PrepareEditCtrl(int id) {
    HWND control = PrepareCtrl(id);
    m_bEditLastControl = TRUE;
    return control;
}

void CDataExchange::Fail() {
    if (m_hWndLastControl != nullptr) {
        SetFocus(m_hWndLastControl);
        if (m_bEditLastControl)
            SendMessageA(m_hWndLastControl, EM_SETSEL, 0, -1);
    }
    AfxThrowUserException();
}

void DDX_Text(CDataExchange* dx, int id, CString& value) {
    HWND control = dx->PrepareEditCtrl(id);
    if (dx->m_bSaveAndValidate)
        SaveText(dx, value, WindowText(control));
    else
        SetWindowTextA(control, value);
}

void DDX_Check(CDataExchange* dx, int id, int& value) {
    HWND control = dx->PrepareCtrl(id);
    if (dx->m_bSaveAndValidate) {
        if (!dx->m_bValidateOnly)
            value = static_cast<int>(SendMessageA(control, BM_GETCHECK, 0, 0));
    } else
        SendMessageA(control, BM_SETCHECK, static_cast<WPARAM>(value), 0);
}

void DDX_CBString(CDataExchange* dx, int id, CString& value) {
    HWND control = dx->PrepareCtrl(id);
    bool listOnly = (GetWindowLongPtrA(control, GWL_STYLE) & 3) == CBS_DROPDOWNLIST;
    if (dx->m_bSaveAndValidate) {
        if (!listOnly) {
            SaveText(dx, value, WindowText(control));
            return;
        }
        CString text;
        int index = static_cast<int>(SendMessageA(control, CB_GETCURSEL, 0, 0));
        if (index != CB_ERR) {
            int length = static_cast<int>(SendMessageA(control, CB_GETLBTEXTLEN, index, 0));
            int copied = static_cast<int>(SendMessageA(
                control, CB_GETLBTEXT, index, reinterpret_cast<LPARAM>(text.GetBuffer(length))));
            text.ReleaseBuffer(copied >= 0 && copied <= length ? copied : 0);
        }
        SaveText(dx, value, text);
    } else if (SendMessageA(control, CB_SELECTSTRING, static_cast<WPARAM>(-1),
                            reinterpret_cast<LPARAM>(static_cast<const char*>(value))) == CB_ERR) {
        SetWindowTextA(control, value);
    }
}

void DDV_MaxChars(CDataExchange* dx, const CString& value, int maxChars) {
    if (!dx->m_bSaveAndValidate) {
        if (dx->m_hWndLastControl != nullptr)
            SendMessageA(dx->m_hWndLastControl,
                         IsComboBox(dx->m_hWndLastControl) ? CB_LIMITTEXT : EM_LIMITTEXT,
                         static_cast<WPARAM>(maxChars), 0);
        return;
    }
    const CString& text = dx->m_bValidateOnly && dx->m_bHasPending ? dx->m_strPending : value;
    if (text.GetLength() <= maxChars)
        return;
    CString limit, message("Please enter no more than %1 characters.");
    limit.Format("%d", maxChars);
    message.Replace("%1", limit);
    AfxMessageBox(message, MB_OK | MB_ICONEXCLAMATION);
    dx->Fail();
}
