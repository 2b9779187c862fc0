// Data exchange between a dialog's fields and its controls, in one direction
// per run: towards the controls when the dialog opens, from them (with the
// checks) when the user confirms.  A failed check has told the user, put the
// focus on the failing control and ends the run by throwing CUserException*;
// CDialog::UpdateData catches it and keeps the dialog open.
//
// Saving runs twice: first a validating run that reads the controls and
// checks them without writing a field, then, only when every check passed,
// the run that writes the fields.  So a refused OK leaves every field as it
// was, and a Cancel after it still returns the dialog's fields untouched.  An
// exchange routine of a dialog's own must write nothing while
// m_bValidateOnly is set.
#pragma once

#include <windows.h>

#include "CString.h"

class CWnd;

class CDataExchange {
public:
    CDataExchange(CWnd* dialog, BOOL saveAndValidate);

    // The control with the id, remembered as the one the next check is about.
    HWND PrepareCtrl(int id);
    HWND PrepareEditCtrl(int id);
    // Focuses the last prepared control (selecting an edit's text) and
    // throws CUserException*.
    [[noreturn]] void Fail();

    BOOL m_bSaveAndValidate;
    BOOL m_bValidateOnly = FALSE;
    CWnd* m_pDlgWnd;
    HWND m_hWndLastControl = nullptr;
    BOOL m_bEditLastControl = FALSE;
    // In the validating run: the text read from the last prepared control,
    // which the checks look at instead of the field.
    CString m_strPending;
    BOOL m_bHasPending = FALSE;
};

void DDX_Text(CDataExchange* dx, int id, CString& value);
// 1 checked, 0 cleared (2 for an indeterminate three-state box).
void DDX_Check(CDataExchange* dx, int id, int& value);
// Opening: selects the list entry that the combo box's prefix search finds
// for the text, else puts the text into the text field.  Saving: the text
// field's text, typed or chosen (the selected entry for a list-only combo).
void DDX_CBString(CDataExchange* dx, int id, CString& value);
// Opening: limits the last prepared edit or combo box to maxChars.  Saving: a
// longer text tells the user the limit and fails the exchange.
void DDV_MaxChars(CDataExchange* dx, const CString& value, int maxChars);
