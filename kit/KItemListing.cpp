// The item base's listings: children or following siblings as kit objects,
// as texts or straight into a list control.
#include <memory>

#include "KFactory.h"
#include "KItem.h"
#include "KListControls.h"
#include "KObjectList.h"

namespace {
// Appends a kit object for every taken item from `first` on, along the siblings.
int ListFrom(HOUTLINE outline, HITEM first, CObList& list, int kindFilter) {
    std::unique_ptr<CKFactory> factory(GetItemFactory());
    int count = 0;
    for (HITEM item = first; item != 0; item = HostGetNextSibling(outline, item)) {
        int kind = HostGetItemKind(outline, item);
        bool taken = kindFilter != 0 ? kind == kindFilter : kind != KIND_COMMENT;
        if (!taken)
            continue;
        list.AddTail(factory->CreateItem(outline, item));
        ++count;
    }
    return count;
}
} // namespace

int CKItem::GetChildren(CObList& list, int sectionKind, int kindFilter) {
    if (!IsValid())
        return -1;
    HITEM start = m_hItem;
    if (sectionKind != 0) {
        start = HostFindSubItem(m_hOutline, m_hItem, sectionKind, 1);
        if (start == 0)
            return -1;
    }
    return ListFrom(m_hOutline, HostGetFirstChild(m_hOutline, start), list, kindFilter);
}

int CKItem::GetNextSiblings(CObList& list, int kindFilter) {
    if (!IsValid())
        return -1;
    return ListFrom(m_hOutline, HostGetNextSibling(m_hOutline, m_hItem), list, kindFilter);
}

int CKItem::GetChildNames(CStringList& names, int sectionKind, int kindFilter, BOOL namesOnly) {
    CKObjectList objects;
    int result = GetChildren(objects, sectionKind, kindFilter);
    GetObjectNames(objects, names, namesOnly);
    return result;
}

int CKItem::GetNextSiblingNames(CStringList& names, int kindFilter, BOOL namesOnly) {
    CKObjectList objects;
    int result = GetNextSiblings(objects, kindFilter);
    GetObjectNames(objects, names, namesOnly);
    return result;
}

int CKItem::FillListBox(CListBox* box, int sectionKind, int kindFilter, BOOL namesOnly,
                        BOOL reset) {
    CKObjectList objects;
    int result = GetChildren(objects, sectionKind, kindFilter);
    FillListBoxWithObjects(box, objects, namesOnly, reset);
    return result;
}

int CKItem::FillComboBox(CComboBox* box, int sectionKind, int kindFilter, BOOL reset) {
    CKObjectList objects;
    int result = GetChildren(objects, sectionKind, kindFilter);
    FillComboBoxWithObjects(box, objects, reset);
    return result;
}
