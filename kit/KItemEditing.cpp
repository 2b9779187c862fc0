// The item base's operations that change the outline tree.
#include "KItem.h"

BOOL CKItem::IsProtected() { return IsValid() ? HostIsItemProtected(m_hOutline, m_hItem) : 0; }

BOOL CKItem::Delete() {
    if (!HostDeleteItem(m_hOutline, m_hItem))
        return 0;
    m_hOutline = 0;
    m_hItem = 0;
    SetValid(FALSE);
    return 1;
}

BOOL CKItem::DeleteChild(const char* name, int sectionKind) {
    CKItem child;
    return FindChild(name, child, sectionKind) && child.Delete();
}

BOOL CKItem::InsertChild(CKItem& parent, int kind, CKItem& out) {
    HITEM after = HostGetLastChild(parent.m_hOutline, parent.m_hItem);
    HITEM created = HostInsertItem(parent.m_hOutline, parent.m_hItem, after, kind);
    if (created == 0)
        return 0;
    if (IsValid() && HostCheckOutlineA(m_hOutline))
        HostCheckOutlineB(m_hOutline);
    return out.Attach(parent.m_hOutline, created);
}

BOOL CKItem::AddChild(int sectionKind, int kind, CKItem& out) {
    CKItem parent(*this);
    if (sectionKind != 0 && !FindSubItem(sectionKind, parent, TRUE))
        return 0;
    if (parent.IsProtected())
        return 0;
    return InsertChild(parent, kind, out);
}

BOOL CKItem::CreateChild(int kind, const char* text, CKItem& out, const char* description,
                         int sectionKind) {
    BOOL result = AddChild(sectionKind, kind, out);
    if (!result)
        return 0;
    if (text != nullptr && *text != '\0')
        result = out.SetText(text, FALSE);
    if (result && description != nullptr)
        result = out.SetDescription(description);
    return result;
}

BOOL CKItem::CreateChild(int kind, const char* text, const char* description, int sectionKind) {
    CKItem created;
    return CreateChild(kind, text, created, description, sectionKind);
}

BOOL CKItem::SetDescription(const char* text) {
    BOOL result = SetProperty(KIND_PROPERTY_DESCRIPTION, text, TRUE);
    return result ? result : AddComment(text);
}

BOOL CKItem::AddComment(const char* text) {
    CKItem comment;
    if (!InsertChild(*this, KIND_COMMENT, comment))
        return 0;
    return comment.WriteText(text);
}
