// A list box window object: one method per list-box message.  Results are
// the control's (LB_ERR and LB_ERRSPACE included).
#pragma once

#include "CWnd.h"

class CListBox : public CWnd {
    DECLARE_DYNAMIC(CListBox)
public:
    int AddString(const char* text);
    int InsertString(int index, const char* text);
    int DeleteString(int index);
    void ResetContent();
    int GetCount() const;
    // Case-insensitive prefix search that starts after index `start` and wraps
    // round (-1: the whole list from the top); selects what it finds.
    int SelectString(int start, const char* prefix);
    int FindString(int start, const char* prefix) const;
    int GetCurSel() const;
    int SetCurSel(int index);
    int GetTextLen(int index) const;
    // The item's text; empty and LB_ERR for an index out of range.
    int GetText(int index, CString& text) const;
    DWORD_PTR GetItemData(int index) const;
    int SetItemData(int index, DWORD_PTR data);
};
