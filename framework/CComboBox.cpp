#include "CComboBox.h"

IMPLEMENT_DYNAMIC(CComboBox, CWnd)

namespace {
LPARAM Text(const char* text) {
    return reinterpret_cast<LPARAM>(text == nullptr ? "" : text);
}
} // namespace

int CComboBox::AddString(const char* text) {
    return static_cast<int>(SendMessage(CB_ADDSTRING, 0, Text(text)));
}
int CComboBox::InsertString(int index, const char* text) {
    return static_cast<int>(SendMessage(CB_INSERTSTRING, index, Text(text)));
}
int CComboBox::DeleteString(int index) {
    return static_cast<int>(SendMessage(CB_DELETESTRING, index));
}
void CComboBox::ResetContent() {
    SendMessage(CB_RESETCONTENT);
}
int CComboBox::GetCount() const {
    return static_cast<int>(SendMessage(CB_GETCOUNT));
}
int CComboBox::SelectString(int start, const char* prefix) {
    return static_cast<int>(SendMessage(CB_SELECTSTRING, start, Text(prefix)));
}
int CComboBox::FindString(int start, const char* prefix) const {
    return static_cast<int>(SendMessage(CB_FINDSTRING, start, Text(prefix)));
}
int CComboBox::GetCurSel() const {
    return static_cast<int>(SendMessage(CB_GETCURSEL));
}
int CComboBox::SetCurSel(int index) {
    return static_cast<int>(SendMessage(CB_SETCURSEL, index));
}
int CComboBox::GetLBTextLen(int index) const {
    return static_cast<int>(SendMessage(CB_GETLBTEXTLEN, index));
}

int CComboBox::GetLBText(int index, CString& text) const {
    int length = GetLBTextLen(index);
    if (length == CB_ERR) {
        text.Empty();
        return CB_ERR;
    }
    int copied = static_cast<int>(
        SendMessage(CB_GETLBTEXT, index, reinterpret_cast<LPARAM>(text.GetBuffer(length))));
    text.ReleaseBuffer(copied >= 0 && copied <= length ? copied : 0);
    return text.GetLength();
}

DWORD_PTR CComboBox::GetItemData(int index) const {
    return static_cast<DWORD_PTR>(SendMessage(CB_GETITEMDATA, index));
}
int CComboBox::SetItemData(int index, DWORD_PTR data) {
    return static_cast<int>(SendMessage(CB_SETITEMDATA, index, static_cast<LPARAM>(data)));
}
BOOL CComboBox::LimitText(int maxChars) {
    return static_cast<BOOL>(SendMessage(CB_LIMITTEXT, maxChars));
}
