#include "KItem.h"

#include <cstring>

#include "KXDKException.h"

IMPLEMENT_DYNAMIC(CKItem, CKObject)

namespace {
const int kContainerKinds[] = {1,   2,   3,   19,  66,  246, 247, 248, 249,
                               270, 274, 288, 290, 476, 477, 478, 482, 483};
} // namespace

CKItem::CKItem() : CKObject(FALSE), m_hOutline(0), m_hItem(0), m_nKind(0) {}

CKItem::CKItem(HOUTLINE outline, HITEM item)
    : CKObject(outline != 0 && item != 0), m_hOutline(outline), m_hItem(item),
      m_nKind(outline != 0 && item != 0 ? HostGetItemKind(outline, item) : 0) {
    // The item base accepts every kind, so construction never fails, also
    // while a subclass's constructor runs this one.
    CKItem::IsValidKind(m_nKind);
}

CKItem::CKItem(const CKItem& other)
    : CKObject(other), m_hOutline(other.m_hOutline), m_hItem(other.m_hItem),
      m_nKind(other.m_nKind) {}

CKItem& CKItem::operator=(const CKItem& other) {
    m_bValid = other.m_bValid;
    m_hOutline = other.m_hOutline;
    m_hItem = other.m_hItem;
    m_nKind = other.m_nKind;
    if (!IsValidKind(m_nKind))
        ThrowKitError(KIT_ERROR_KIND_REFUSED);
    return *this;
}

BOOL CKItem::IsValid() const { return m_bValid && m_hOutline != 0 && m_hItem != 0; }

BOOL CKItem::IsValidKind(int) { return TRUE; }

BOOL CKItem::SetOutline(HOUTLINE outline) {
    if (outline != 0)
        m_hOutline = outline;
    return SetValid(outline != 0);
}

BOOL CKItem::Attach(HOUTLINE outline, HITEM item) {
    if (SetOutline(outline) && SetItem(item)) {
        SetValid(TRUE);
        return 1;
    }
    SetValid(FALSE);
    return 0;
}

BOOL CKItem::SetItem(HITEM item) {
    if (m_hOutline == 0 || item == 0)
        return 0;
    if (!SetKind(HostGetItemKind(m_hOutline, item)))
        return 0;
    m_hItem = item;
    return 1;
}

BOOL CKItem::SetKind(int kind) {
    if (!IsValidKind(kind))
        return 0;
    m_nKind = kind;
    return 1;
}

int CKItem::GetKind() const { return HostGetItemKind(m_hOutline, m_hItem); }

CString CKItem::GetText() const {
    HOSTSTR handle = 0;
    HostGetItemText(m_hOutline, m_hItem, 1, &handle);
    return CKString(handle); // the library keeps this string
}

CString CKItem::GetName() const {
    CString name = GetText();
    TruncateAtSeparators(name);
    return name;
}

CString CKItem::GetKindName(BOOL shortForm) {
    CString name;
    if (m_nKind == KIND_CLASS_INSTANCE) {
        GetProperty(KIND_PROPERTY_CLASS_NAME, name);
        return name;
    }
    HOSTSTR handle = 0;
    if (HostGetKindName(m_nKind, &handle))
        name = CKString(handle);
    if (shortForm)
        TruncateAt(name, ':');
    return name;
}

void CKItem::GetClassName(CString& out) { GetProperty(KIND_PROPERTY_CLASS_NAME, out); }

BOOL CKItem::IsContainerKind() const {
    int kind = GetKind();
    for (int container : kContainerKinds)
        if (kind == container)
            return TRUE;
    return FALSE;
}

BOOL CKItem::GetProperty(int kind, CString& out) {
    HITEM holder = HostFindSubItem(m_hOutline, m_hItem, kind, 1);
    if (holder == 0)
        return 0;
    if (holder != m_hItem) {
        out = CKItem(m_hOutline, holder).GetText();
        return 1;
    }
    HOSTSTR handle = 0;
    if (!HostGetItemProperty(m_hOutline, m_hItem, kind, 1, &handle))
        return 0;
    out = CKString(handle); // kept by the library
    return 1;
}

BOOL CKItem::SetProperty(int kind, const char* text, BOOL notify) {
    HITEM holder = HostFindSubItem(m_hOutline, m_hItem, kind, 1);
    BOOL result = 0;
    if (holder != 0 && holder != m_hItem)
        result = CKItem(m_hOutline, holder).WriteText(text);
    else if (holder == m_hItem)
        result = HostSetItemProperty(m_hOutline, m_hItem, kind, text, CountLines(text));
    if (notify) // also when there was nothing to write
        NotifyChanged(kind);
    return result;
}

BOOL CKItem::GetNamedProperty(const char* name, CString& out) {
    HOSTSTR handle = 0;
    BOOL result = HostGetNamedProperty(m_hOutline, m_hItem, name, &handle);
    if (result) {
        out = CKString(handle);
        HostFreeString(handle);
    }
    return result;
}

BOOL CKItem::SetNamedProperty(const char* name, const void* value, WORD length) {
    if (length == 0 && value != nullptr) {
        size_t textLength = std::strlen(static_cast<const char*>(value)) + 1;
        if (textLength > 0xFFFF) // the host stores 16-bit lengths: refused, never cut short
            return 0;
        length = WORD(textLength);
    }
    return HostSetNamedProperty(m_hOutline, m_hItem, name, value, length);
}

BOOL CKItem::RemoveNamedProperty(const char* name) {
    return HostRemoveNamedProperty(m_hOutline, m_hItem, name);
}

BOOL CKItem::MarkModified(int first, int second) {
    return HostMarkItemModified(m_hOutline, m_hItem, 1, DWORD(first), DWORD(second));
}

BOOL CKItem::WriteText(const char* text) {
    if (!HostSetItemText(m_hOutline, m_hItem, text, CountLines(text)))
        return 0;
    NotifyChanged(0);
    return 1;
}

BOOL CKItem::NotifyChanged(int kind) { return HostNotifyItemChanged(m_hOutline, m_hItem, kind); }

BOOL CKItem::SetText(CString& text, BOOL verbatim) {
    if (verbatim)
        return WriteText(text);
    HOSTSTR prepared = HostPrepareItemText(text);
    text = CKString(prepared);
    BOOL result = WriteText(text);
    HostFreeString(prepared);
    return result;
}

BOOL CKItem::SetText(const char* text, BOOL verbatim) {
    CKString copy(text);
    return SetText(copy, verbatim);
}

BOOL CKItem::SetClass(const char* className) {
    return HostSetItemClass(m_hOutline, m_hItem, className);
}

BOOL CKItem::SetOutlineMode(BOOL on) { return HostSetOutlineMode(m_hOutline, on); }

BOOL CKItem::GetFirstChild(CKItem& out) {
    return out.Attach(m_hOutline, HostGetFirstChild(m_hOutline, m_hItem));
}

BOOL CKItem::GetNextSibling(CKItem& out) {
    HITEM next = HostGetNextSibling(m_hOutline, m_hItem);
    return next != 0 && out.Attach(m_hOutline, next);
}

BOOL CKItem::GetParent(CKItem& out) {
    return out.Attach(m_hOutline, HostGetParent(m_hOutline, m_hItem));
}

BOOL CKItem::FindSubItem(int kind, CKItem& out, BOOL flag) {
    if (kind < 1 || kind > KIND_HIGHEST)
        return 0;
    return out.Attach(m_hOutline, HostFindSubItem(m_hOutline, m_hItem, kind, flag));
}

BOOL CKItem::FindChild(const char* name, CKItem& out, int sectionKind) {
    HITEM found = HostFindNamedChild(m_hOutline, m_hItem, sectionKind, name);
    return found != 0 && out.Attach(m_hOutline, found);
}

CString CKItem::GetDescription() {
    CString description;
    if (GetProperty(KIND_PROPERTY_DESCRIPTION, description))
        return description;
    CKItem comment;
    if (FindSubItem(KIND_COMMENT, comment, FALSE))
        return comment.GetText();
    return CString();
}

BOOL CKItem::GetHostString(int id, CString& out) {
    out = CKString(HostGetStringById(id)); // kept by the library
    return !out.IsEmpty();
}
