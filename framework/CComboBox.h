// A combo box window object: one method per combo-box message.  Results are
// the control's (CB_ERR and CB_ERRSPACE included).
#pragma once

#include "CWnd.h"

class CComboBox : public CWnd {
    DECLARE_DYNAMIC(CComboBox)
public:
    int AddString(const char* text);
    int InsertString(int index, const char* text);
    int DeleteString(int index);
    // Empties the list and the text field.
    void ResetContent();
    int GetCount() const;
    // Case-insensitive prefix search that starts after index `start` and wraps
    // round (-1: the whole list from the top); selects what it finds and shows
    // it in the text field.  CB_ERR, and the selection unchanged, when nothing matches.
    int SelectString(int start, const char* prefix);
    int FindString(int start, const char* prefix) const;
    int GetCurSel() const;
    int SetCurSel(int index);
    int GetLBTextLen(int index) const;
    // The list item's text; empty and CB_ERR for an index out of range.
    int GetLBText(int index, CString& text) const;
    DWORD_PTR GetItemData(int index) const;
    int SetItemData(int index, DWORD_PTR data);
    // The most characters the text field accepts from the user (0: no limit).
    BOOL LimitText(int maxChars);
};
