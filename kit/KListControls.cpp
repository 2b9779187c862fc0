#include "KListControls.h"

#include "KItem.h"

namespace {
// List boxes and combo boxes take the same three steps through their own messages.
template <class Box>
int FillWithNames(Box* box, CStringList& names, BOOL reset) {
    box->SetRedraw(FALSE);
    if (reset)
        box->ResetContent();
    int count = 0;
    for (POSITION pos = names.GetHeadPosition(); pos != nullptr; ++count)
        box->AddString(names.GetNext(pos));
    box->SetRedraw(TRUE);
    return count;
}
} // namespace

int FillComboBoxWithNames(CComboBox* box, CStringList& names, BOOL reset) {
    return FillWithNames(box, names, reset);
}

int FillListBoxWithNames(CListBox* box, CStringList& names, BOOL reset) {
    return FillWithNames(box, names, reset);
}

int GetObjectNames(CObList& objects, CStringList& names, BOOL namesOnly) {
    int count = 0;
    for (POSITION pos = objects.GetHeadPosition(); pos != nullptr; ++count) {
        CKItem* item = static_cast<CKItem*>(objects.GetNext(pos));
        if (namesOnly)
            names.AddTail(item->GetName());
        else
            names.AddTail(item->GetKindName(TRUE) + "\t" + item->GetName());
    }
    return count;
}

int FillComboBoxWithObjects(CComboBox* box, CObList& objects, BOOL reset) {
    CStringList names(10);
    GetObjectNames(objects, names, TRUE);
    return FillComboBoxWithNames(box, names, reset);
}

int FillListBoxWithObjects(CListBox* box, CObList& objects, BOOL namesOnly, BOOL reset) {
    CStringList names(10);
    GetObjectNames(objects, names, namesOnly);
    return FillListBoxWithNames(box, names, reset);
}
