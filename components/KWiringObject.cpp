#include "KWiringObject.h"

#include <cstdlib>
#include <cstring>

#include "KItem.h"

namespace {
const int KIND_CONTENTS = 114;
const int KIND_MDI_CONTENTS = 157;
const int KIND_NESTED_CONTAINER = 270;
const int KIND_HEIGHT = 229, KIND_TOP = 233;

bool IsVertical(int kind) { return kind == KIND_HEIGHT || kind == KIND_TOP; }

// The properties that record an established wiring; a copy must not keep them.
const char* const kWiringRecords[] = {"SYMBOLNAME", "WIREDITEM", "WIREDSOURCE", "WIREDNAME"};
} // namespace

CKWiringObject::CKWiringObject(HOUTLINE outline, HITEM item)
    : m_hWnd(item != 0 ? HostGetItemWindow(outline, item) : nullptr), m_hItem(item),
      m_hOutline(outline) {}

CKWiringObject::CKWiringObject(HITEM item) : m_hWnd(nullptr), m_hItem(item), m_hOutline(0) {
    m_hOutline = HostGetCurrentOutline();
    if (item != 0)
        m_hWnd = HostGetItemWindow(m_hOutline, item);
}

CKWiringObject::CKWiringObject(HWND window) : m_hWnd(nullptr), m_hItem(0), m_hOutline(0) {
    m_hOutline = HostGetCurrentOutline();
    if (window != nullptr && IsWindow(window)) {
        m_hWnd = window;
        m_hOutline = HostGetWindowOutline(window);
        m_hItem = HostGetWindowItem(window);
    }
}

CKWiringObject& CKWiringObject::operator=(const CKWiringObject& other) {
    m_hItem = other.m_hItem;
    m_hWnd = other.m_hWnd;
    m_hOutline = other.m_hOutline;
    return *this;
}

HWND CKWiringObject::AttachItem(HITEM item) {
    m_hItem = item;
    m_hOutline = HostGetCurrentOutline();
    m_hWnd = HostGetItemWindow(m_hOutline, item);
    return m_hWnd;
}

HOUTLINE CKWiringObject::AttachWindow(HWND window) {
    if (window == nullptr || !IsWindow(window))
        return 0;
    m_hWnd = window;
    m_hItem = HostGetWindowItem(window);
    m_hOutline = HostGetWindowOutline(window);
    return m_hOutline;
}

namespace {
BOOL AttachFound(HITEM found, CKWiringObject& out) {
    out.AttachItem(found);
    return found != 0;
}
} // namespace

BOOL CKWiringObject::GetParent(CKWiringObject& out) {
    return Bound() && AttachFound(HostGetParent(m_hOutline, m_hItem), out);
}

BOOL CKWiringObject::GetFirstChild(CKWiringObject& out) {
    return Bound() && AttachFound(HostGetFirstChild(m_hOutline, m_hItem), out);
}

BOOL CKWiringObject::GetLastChild(CKWiringObject& out) {
    return Bound() && AttachFound(HostGetLastChild(m_hOutline, m_hItem), out);
}

BOOL CKWiringObject::GetNextSibling(CKWiringObject& out) {
    return Bound() && AttachFound(HostGetNextSibling(m_hOutline, m_hItem), out);
}

BOOL CKWiringObject::FindSubItem(int kind, CKWiringObject& out) {
    return Bound() && AttachFound(HostFindSubItem(m_hOutline, m_hItem, kind, 1), out);
}

BOOL CKWiringObject::HasSubItem(int kind) {
    return Bound() && HostFindSubItem(m_hOutline, m_hItem, kind, 1) != 0;
}

BOOL CKWiringObject::IsContainer() {
    switch (GetKind()) {
    case 1: case 19: case 66: case 167: case KIND_NESTED_CONTAINER:
        return TRUE;
    default:
        return FALSE;
    }
}

BOOL CKWiringObject::GetContentsSection(CKWiringObject& out) {
    switch (GetKind()) {
    case 1: case 66: case 167: case KIND_NESTED_CONTAINER:
        return FindSubItem(KIND_CONTENTS, out);
    default:
        return FindSubItem(KIND_MDI_CONTENTS, out);
    }
}

BOOL CKWiringObject::GetContainer(CKWiringObject& out) {
    CKWiringObject holder;
    holder.AttachItem(m_hItem);
    if (!IsContainer() && !holder.IsContainer()) {
        do {
            CKWiringObject parent;
            if (!holder.GetParent(parent))
                return 0;
            holder = parent;
        } while (!holder.IsContainer());
    }
    if (holder.GetKind() == KIND_NESTED_CONTAINER) {
        CKWiringObject parent;
        holder.GetParent(parent);
        holder = parent;
    }
    out.AttachItem(holder.m_hItem);
    return 1;
}

BOOL CKWiringObject::FindChildWindowByName(const char* name, CKWiringObject& out) {
    CKWiringObject section;
    if (name == nullptr || !GetContentsSection(section))
        return 0;
    CKWiringObject child;
    section.GetFirstChild(child);
    bool switched = false;
    while (child.m_hItem != 0) {
        CKString childName;
        child.GetName(childName);
        if (lstrcmpiA(childName, name) == 0) {
            out.AttachItem(child.m_hItem);
            return 1;
        }
        if (child.IsContainer()) {
            CKWiringObject nested(child);
            if (nested.FindChildWindowByName(name, out))
                return 1;
        }
        CKWiringObject next;
        child.GetNextSibling(next);
        child = next;
        if (!switched && child.m_hItem == 0) {
            // Then the windows of the nested container section, if there is one.
            switched = true;
            CKWiringObject nested, contents;
            FindSubItem(KIND_NESTED_CONTAINER, nested);
            nested.FindSubItem(KIND_CONTENTS, contents);
            contents.GetFirstChild(child);
        }
    }
    return 0;
}

int CKWiringObject::GetKind() { return Bound() ? HostGetItemKind(m_hOutline, m_hItem) : -1; }

template <class Getter>
BOOL CKWiringObject::GetHostText(CKString& out, Getter getter) {
    if (!Bound())
        return 0;
    HOSTSTR handle = 0;
    HostSetStringSize(&handle, 1);
    BOOL result = getter(&handle);
    if (result)
        out.SetFromHandle(handle);
    HostFreeString(handle);
    return result;
}

BOOL CKWiringObject::GetName(CKString& out) {
    return GetHostText(out, [this](HOSTSTR* h) { return HostGetItemText(m_hOutline, m_hItem, 0, h); });
}

BOOL CKWiringObject::GetText(CKString& out) {
    return GetHostText(out, [this](HOSTSTR* h) { return HostGetItemText(m_hOutline, m_hItem, 1, h); });
}

BOOL CKWiringObject::GetKindName(CKString& out) {
    return GetHostText(out, [this](HOSTSTR* h) { return HostGetKindName(GetKind(), h); });
}

BOOL CKWiringObject::GetProperty(int kind, CKString& out) {
    return GetHostText(
        out, [&](HOSTSTR* h) { return HostGetItemProperty(m_hOutline, m_hItem, kind, 0, h); });
}

BOOL CKWiringObject::GetNamedProperty(const char* name, CKString& out) {
    if (!Bound())
        return 0;
    BOOL result = GetHostText(
        out, [&](HOSTSTR* h) { return HostGetNamedProperty(m_hOutline, m_hItem, name, h); });
    if (!result)
        out.Empty();
    return result;
}

BOOL CKWiringObject::SetText(const char* text) {
    return Bound() && HostSetItemText(m_hOutline, m_hItem, text, CountLines(text));
}

BOOL CKWiringObject::SetProperty(int kind, const char* text) {
    if (m_hItem == 0)
        return 0;
    return HostSetItemProperty(m_hOutline, m_hItem, kind, text, CountLines(text));
}

BOOL CKWiringObject::NotifyChanged(int kind) {
    return HostNotifyItemChanged(m_hOutline, m_hItem, kind);
}

BOOL CKWiringObject::SetClass(const char* className) {
    return Bound() && className != nullptr && HostSetItemClass(m_hOutline, m_hItem, className);
}

BOOL CKWiringObject::SetNamedProperty(const char* name, const char* text) {
    if (!Bound() || text == nullptr)
        return 0;
    size_t length = std::strlen(text) + 1;
    if (length > 0xFFFF) // the host stores 16-bit lengths: refused, never cut short
        return 0;
    return HostSetNamedProperty(m_hOutline, m_hItem, name, text, WORD(length));
}

BOOL CKWiringObject::RemoveNamedProperty(const char* name) {
    return Bound() && HostRemoveNamedProperty(m_hOutline, m_hItem, name);
}

BOOL CKWiringObject::IsDataSource() {
    CKString value;
    return GetNamedProperty("DATASOURCE", value) && value == "YES";
}

BOOL CKWiringObject::Delete() {
    if (!Bound())
        return 0;
    BOOL open = HostIsEditOpen(m_hOutline);
    if (!open)
        HostOpenEdit();
    HEDITMARK mark = HostEditMark(m_hItem);
    BOOL result = HostDeleteItem(m_hOutline, m_hItem);
    if (!open) {
        HostCloseEdit(mark);
        HostEndEdit(1);
    }
    if (result) {
        m_hItem = 0;
        m_hWnd = nullptr;
        m_hOutline = 0;
    }
    return result;
}

BOOL CKWiringObject::Duplicate(CKWiringObject& out) {
    if (!Bound())
        return 0;
    CKWiringObject parent;
    GetParent(parent);
    BOOL previous = HostSetOutlineMode(m_hOutline, 1);
    HITEM copy = HostCopyItem(m_hOutline, m_hItem, m_hOutline, parent.m_hItem, m_hItem, 1, 1);
    HostSetOutlineMode(m_hOutline, previous);
    if (copy != 0) {
        CKItem copied(m_hOutline, copy);
        for (const char* record : kWiringRecords)
            copied.RemoveNamedProperty(record);
    }
    out.AttachItem(copy);
    return copy != 0;
}

HITEM CKWiringObject::RebuildWindow() {
    HostRebuildItemWindow(m_hOutline, m_hItem);
    m_hWnd = HostGetItemWindow(m_hOutline, m_hItem);
    return m_hItem;
}

BOOL CKWiringObject::MarkModified(DWORD flags) {
    return HostMarkItemModified(m_hOutline, m_hItem, (flags & 0xFFFF) | 1, 0, 0);
}

BOOL CKWiringObject::GetPosition(int kind, int* pixels) {
    CKWiringObject container;
    GetContainer(container);
    CKString text;
    GetProperty(kind, text);
    text.Replace('"', ' ');
    double value = std::strtod(text, nullptr);
    HOSTNUMBER number;
    HostNumberFromDouble(value, &number);
    int result = HostUnitsToPixels(container.m_hWnd, number, IsVertical(kind));
    if (pixels != nullptr)
        *pixels = result;
    return 1;
}

BOOL CKWiringObject::SetPosition(int kind, int pixels) {
    CKWiringObject parent, grandparent;
    GetParent(parent);
    parent.GetParent(grandparent);
    HWND reference = IsWindow(grandparent.m_hWnd) ? grandparent.m_hWnd : m_hWnd;
    HOSTNUMBER number;
    double value = 0;
    HostNumberToDouble(HostPixelsToUnits(&number, reference, pixels, IsVertical(kind)), &value);
    CKString text;
    text.Format("%f", value);
    BOOL result = SetProperty(kind, text);
    NotifyChanged(kind);
    return result;
}
