#include "CListBox.h"

IMPLEMENT_DYNAMIC(CListBox, CWnd)

namespace {
LPARAM Text(const char* text) {
    return reinterpret_cast<LPARAM>(text == nullptr ? "" : text);
}
} // namespace

int CListBox::AddString(const char* text) {
    return static_cast<int>(SendMessage(LB_ADDSTRING, 0, Text(text)));
}
int CListBox::InsertString(int index, const char* text) {
    return static_cast<int>(SendMessage(LB_INSERTSTRING, index, Text(text)));
}
int CListBox::DeleteString(int index) {
    return static_cast<int>(SendMessage(LB_DELETESTRING, index));
}
void CListBox::ResetContent() {
    SendMessage(LB_RESETCONTENT);
}
int CListBox::GetCount() const {
    return static_cast<int>(SendMessage(LB_GETCOUNT));
}
int CListBox::SelectString(int start, const char* prefix) {
    return static_cast<int>(SendMessage(LB_SELECTSTRING, start, Text(prefix)));
}
int CListBox::FindString(int start, const char* prefix) const {
    return static_cast<int>(SendMessage(LB_FINDSTRING, start, Text(prefix)));
}
int CListBox::GetCurSel() const {
    return static_cast<int>(SendMessage(LB_GETCURSEL));
}
int CListBox::SetCurSel(int index) {
    return static_cast<int>(SendMessage(LB_SETCURSEL, index));
}
int CListBox::GetTextLen(int index) const {
    return static_cast<int>(SendMessage(LB_GETTEXTLEN, index));
}

int CListBox::GetText(int index, CString& text) const {
    int length = GetTextLen(index);
    if (length == LB_ERR) {
        text.Empty();
        return LB_ERR;
    }
    int copied = static_cast<int>(
        SendMessage(LB_GETTEXT, index, reinterpret_cast<LPARAM>(text.GetBuffer(length))));
    text.ReleaseBuffer(copied >= 0 && copied <= length ? copied : 0);
    return text.GetLength();
}

DWORD_PTR CListBox::GetItemData(int index) const {
    return static_cast<DWORD_PTR>(SendMessage(LB_GETITEMDATA, index));
}
int CListBox::SetItemData(int index, DWORD_PTR data) {
    return static_cast<int>(SendMessage(LB_SETITEMDATA, index, static_cast<LPARAM>(data)));
}
