// The component framework's handle on one design-time item: its outline, its
// item and its design window.  A plain value: no kind checks, no run-time
// class of its own; destroying it leaves the outline unchanged.
//
// An operation that talks to the host first tests that the object has both an
// item and an outline handle; without them it answers what the comment says
// (0, -1, or the out string unchanged) and calls nothing.
#pragma once

#include "CObject.h"
#include "HostOutline.h"
#include "KString.h"

class CKWiringObject : public CObject {
public:
    CKWiringObject(HOUTLINE outline, HITEM item);
    explicit CKWiringObject(HITEM item = 0); // in the current outline
    explicit CKWiringObject(HWND window);
    CKWiringObject(const CKWiringObject& other) = default;
    CKWiringObject& operator=(const CKWiringObject& other);
    ~CKWiringObject() override = default;

    // Virtual operations of the wiring object, in their order.
    // A background text labelling this visualizer, placed before it and left
    // of it with the label form of its data item; 0 for push buttons, radio
    // buttons, check boxes and child tables, and for an item without a parent.
    virtual BOOL CreateLabel();
    // Names the item from its kind's prefix and what it is wired to (its
    // command for a push button, else its data item), or leaves naming to the
    // host when it is wired to nothing.
    virtual BOOL MakeDefaultName();
    virtual BOOL ApplyDefaultName();

    // Binds to the item in the current outline; answers its window.
    HWND AttachItem(HITEM item);
    // Binds to the design window's item; 0 (and nothing changed) for a handle
    // that is not a window, else the outline.
    HOUTLINE AttachWindow(HWND window);
    HITEM GetItem() const { return m_hItem; }
    HWND GetWindow() const { return m_hWnd; }
    HOUTLINE GetOutline() const { return m_hOutline; }
    BOOL IsValid() const { return m_hItem != 0 || m_hOutline != 0 || m_hWnd != nullptr; }

    // Navigation: out (which may be this object) is attached to what is found
    // and the answer is 1; nothing found attaches it to item 0 and answers 0.
    BOOL GetParent(CKWiringObject& out);
    BOOL GetFirstChild(CKWiringObject& out);
    BOOL GetLastChild(CKWiringObject& out);
    BOOL GetNextSibling(CKWiringObject& out);
    BOOL FindSubItem(int kind, CKWiringObject& out);
    BOOL HasSubItem(int kind);
    BOOL IsContainer();
    BOOL GetContentsSection(CKWiringObject& out);
    // The form or dialog that holds this item (a nested container's holder).
    BOOL GetContainer(CKWiringObject& out);
    // A child window of this container by name, letter case ignored, depth first.
    BOOL FindChildWindowByName(const char* name, CKWiringObject& out);

    // Texts and kinds (-1 / out unchanged without handles).
    int GetKind();
    BOOL GetName(CKString& out);
    BOOL GetText(CKString& out);
    BOOL GetKindName(CKString& out);
    BOOL SetText(const char* text);
    BOOL GetProperty(int kind, CKString& out);
    BOOL SetProperty(int kind, const char* text);
    BOOL NotifyChanged(int kind);
    BOOL SetClass(const char* className);
    // An absent property empties out.
    BOOL GetNamedProperty(const char* name, CKString& out);
    BOOL SetNamedProperty(const char* name, const char* text);
    BOOL RemoveNamedProperty(const char* name);
    BOOL IsDataSource();

    // Outline editing.
    BOOL Delete();
    // A copy of the item right after it, unwired; out is attached to the copy.
    BOOL Duplicate(CKWiringObject& out);
    HITEM RebuildWindow();
    BOOL MarkModified(DWORD flags);

    // Positions in pixels; stored as text in the host's layout unit under
    // 230 left, 233 top, 235 width, 229 height.
    BOOL GetPosition(int kind, int* pixels);
    BOOL SetPosition(int kind, int pixels);

protected:
    BOOL Bound() const { return m_hItem != 0 && m_hOutline != 0; }
    // A host getter filling a string of size 1 made beforehand and freed after.
    template <class Getter>
    BOOL GetHostText(CKString& out, Getter getter);

    HWND m_hWnd;
    HITEM m_hItem;
    HOUTLINE m_hOutline;
};
