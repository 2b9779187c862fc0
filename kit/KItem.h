// The item base: a light handle on one outline item (outline handle, item
// handle and the kind the host reported when it was attached).  Copying it
// copies the handles; destroying it never changes the outline.  Subclasses
// narrow the kinds they accept through IsValidKind.
#pragma once

#include "HostOutline.h"
#include "KObject.h"
#include "KString.h"

class CKItemFilter;
class CComboBox;
class CListBox;
class CObList;
class CStringList;

// Item kinds and property numbers the item base itself relies on.
enum KItemKind {
    KIND_APPLICATION = 29,
    KIND_PROPERTY_DESCRIPTION = 63,
    KIND_COMMENT = 188,
    KIND_BASE_CLASSES = 243,
    KIND_CLASS_DEFINITIONS = 244,
    KIND_CLASS_INSTANCE = 261,
    KIND_PROPERTY_CLASS_NAME = 287,
    KIND_HIGHEST = 492, // the highest kind the host knows
};

class CKItem : public CKObject {
    DECLARE_DYNAMIC(CKItem)
public:
    CKItem();
    CKItem(HOUTLINE outline, HITEM item);
    CKItem(const CKItem& other);
    // Copies validity, handles and kind, then asks this class's kind check;
    // a refused kind raises kit error 1000 with the fields already copied.
    CKItem& operator=(const CKItem& other);
    ~CKItem() override = default;

    BOOL IsValid() const override;

    // Virtual operations of the item base, in their order.
    // Hands this item to the filter; always 1.
    virtual BOOL Accept(CKItemFilter& filter);
    // Appends a comment line with the text as the last child.
    virtual BOOL AddComment(const char* text);
    virtual BOOL DeleteChild(const char* name, int sectionKind);
    // Walks this item's subtree (this item first, then depth first) until the
    // filter matches; the out object is then assigned the matching item.
    virtual BOOL FindItem(CKItem& out, CKItemFilter& filter);
    virtual BOOL FindItem(const char* pattern, CKItem& out, BOOL matchCase, BOOL partial,
                          BOOL fullLine);
    virtual BOOL MoveTo(const char* pattern, BOOL matchCase, BOOL partial, BOOL fullLine);
    // The number of replacements made in the subtree.
    virtual int ReplaceText(const char* pattern, const char* replacement, BOOL matchCase,
                            BOOL partial);
    virtual BOOL FindChild(const char* name, CKItem& out, int sectionKind);
    virtual CString GetDescription();
    virtual BOOL Attach(HOUTLINE outline, HITEM item);
    // Whether the item is an instance of the named class or of a class that
    // derives from it, through the application's class definitions.
    virtual BOOL IsKindOfClass(const char* className);
    virtual BOOL IsValidKind(int kind);
    virtual BOOL SetDescription(const char* text);
    virtual BOOL SetText(const char* text, BOOL verbatim);
    virtual BOOL SetText(CString& text, BOOL verbatim);
    virtual BOOL SetOutline(HOUTLINE outline);

    // Attachment helpers.
    BOOL SetItem(HITEM item);
    BOOL SetKind(int kind);

    // Reading the item.
    int GetKind() const;
    CString GetText() const;
    CString GetName() const;
    CString GetKindName(BOOL shortForm);
    void GetClassName(CString& out);
    BOOL IsContainerKind() const;

    // Numbered properties: held by a sub-item of that kind or on the item's own line.
    BOOL GetProperty(int kind, CString& out);
    BOOL SetProperty(int kind, const char* text, BOOL notify);
    // Named properties: byte values stored on the item under a name.
    BOOL GetNamedProperty(const char* name, CString& out);
    // A length of 0 stores the text with its terminating zero.
    BOOL SetNamedProperty(const char* name, const void* value, WORD length);
    BOOL RemoveNamedProperty(const char* name);
    BOOL MarkModified(int first, int second);

    // Writing the item.
    BOOL WriteText(const char* text);
    BOOL NotifyChanged(int kind);
    BOOL SetClass(const char* className);
    BOOL SetOutlineMode(BOOL on);

    // Navigation: each attaches the out object (with its own class's Attach).
    BOOL GetFirstChild(CKItem& out);
    BOOL GetNextSibling(CKItem& out);
    BOOL GetParent(CKItem& out);
    BOOL FindSubItem(int kind, CKItem& out, BOOL flag);

    BOOL GetHostString(int id, CString& out);

    // Listings of the children of this item or of its section (section kind
    // 0: its own children), or of the siblings after it.  Kind filter 0 takes
    // every entry but comment lines, any other value that kind only.  Each
    // answers the number of entries, or -1 for an invalid object or a
    // missing section.
    int GetChildren(CObList& list, int sectionKind, int kindFilter);
    int GetNextSiblings(CObList& list, int kindFilter);
    int GetChildNames(CStringList& names, int sectionKind, int kindFilter, BOOL namesOnly);
    int GetNextSiblingNames(CStringList& names, int kindFilter, BOOL namesOnly);
    int FillListBox(CListBox* box, int sectionKind, int kindFilter, BOOL namesOnly, BOOL reset);
    int FillComboBox(CComboBox* box, int sectionKind, int kindFilter, BOOL reset);

    // Changing the tree.
    BOOL IsProtected();
    // On success the object becomes invalid with both handles 0.
    BOOL Delete();
    // Appends an item of the kind as the parent's last child and attaches out to it.
    BOOL InsertChild(CKItem& parent, int kind, CKItem& out);
    // As InsertChild under this item or its section; refused under a protected parent.
    BOOL AddChild(int sectionKind, int kind, CKItem& out);
    BOOL CreateChild(int kind, const char* text, CKItem& out, const char* description,
                     int sectionKind);
    BOOL CreateChild(int kind, const char* text, const char* description, int sectionKind);

    HOUTLINE m_hOutline;
    HITEM m_hItem;
    int m_nKind;
};
