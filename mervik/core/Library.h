// The outline library's state and every operation on it, in plain C++: the
// exported functions are thin wrappers around these.  Each operation checks
// its handles and answers 0, false or null for a handle it does not know.
//
// Strings handed out: when the caller passes a pointer to handle 0, a getter
// makes a caller-owned string, except where the caller keeps no handle (item
// texts, kind names, property reads with flag 1, converted and parsed texts,
// texts by number): those are strings the library keeps and reuses.
#pragma once

#include <cstdint>
#include <string>
#include <unordered_map>

#include "EditBracket.h"
#include "OutlineStore.h"
#include "StringStore.h"

namespace mervik {

struct RunRecord {
    bool executing = false;
    bool answer = true;  // what Execute answers
    uint32_t result = 0; // what Execute writes through its result pointer
    unsigned executions = 0;
    std::string lastCommand;
    int lastMode = 0;
};

class Library {
public:
    OutlineStore outlines;
    StringStore strings;
    EditBracket edit;
    RunRecord run;

    // Tree.
    uint32_t RootItem(uint32_t o) const;
    uint32_t Parent(uint32_t o, uint32_t i) const;
    uint32_t FirstChild(uint32_t o, uint32_t i) const;
    uint32_t LastChild(uint32_t o, uint32_t i) const;
    uint32_t NextSibling(uint32_t o, uint32_t i) const;
    uint32_t PreviousSibling(uint32_t o, uint32_t i) const;
    uint32_t FindSubItem(uint32_t o, uint32_t i, int kind) const;
    uint32_t FindNamedChild(uint32_t o, uint32_t i, int sectionKind, const char* name) const;
    int ChildKind(int parentKind, const char* typeName) const;

    // Items.
    int ItemKind(uint32_t o, uint32_t i) const;
    bool KindName(int kind, uint32_t* h);
    bool ItemText(uint32_t o, uint32_t i, int mode, uint32_t* h);
    bool SetItemText(uint32_t o, uint32_t i, const char* text, int lines);
    bool ItemProperty(uint32_t o, uint32_t i, int kind, int flag, uint32_t* h);
    bool SetItemProperty(uint32_t o, uint32_t i, int kind, const char* text, int lines);
    bool NotifyItemChanged(uint32_t o, uint32_t i, int kind);
    bool NamedProperty(uint32_t o, uint32_t i, const char* name, uint32_t* h);
    bool SetNamedProperty(uint32_t o, uint32_t i, const char* name, const void* data,
                          uint32_t length);
    bool RemoveNamedProperty(uint32_t o, uint32_t i, const char* name);
    bool SetItemClass(uint32_t o, uint32_t i, const char* className);
    bool IsItemProtected(uint32_t o, uint32_t i) const;
    bool MarkItemModified(uint32_t o, uint32_t i, uint32_t flags);
    bool SetDefaultName(uint32_t o, uint32_t i);
    uint32_t PrepareItemText(const char* text);
    uint32_t ParseStatement(const char* text, uint32_t o, uint32_t i, int* kind);
    bool UpdateClassDefinition(uint32_t o, uint32_t i);
    bool RefreshLibrary(uint32_t o, uint32_t i);

    // Editing.
    uint32_t InsertItem(uint32_t o, uint32_t parent, uint32_t after, int kind);
    bool DeleteItem(uint32_t o, uint32_t i);
    uint32_t CopyItem(uint32_t from, uint32_t item, uint32_t to, uint32_t parent, uint32_t after);
    bool CheckLinks(uint32_t o) const;
    bool CheckKinds(uint32_t o) const;
    // The previous mode; false for an unknown outline.
    bool SetOutlineMode(uint32_t o, bool on);
    bool IsEditOpen(uint32_t o) const;
    uint32_t EditMark(uint32_t i);
    bool CloseOutline(uint32_t o);
    uint32_t CurrentOutline() const { return outlines.current; }

    // Strings.
    bool SetStringSize(uint32_t* h, uint32_t bytes);
    char* LockString(uint32_t h, uint32_t* length);
    uint32_t ConvertText(uint32_t h);
    uint32_t StringById(int id);

    // Running the designed application.
    bool SetExecuting(bool executing);
    bool Execute(const char* command, int mode, uint32_t* result);

    unsigned classUpdates = 0;
    unsigned libraryRefreshes = 0;

private:
    Item* Find(uint32_t o, uint32_t i) const { return outlines.FindItem(o, i); }
    Outline& OutlineOf(const Item& item) const { return *outlines.FindOutline(item.outline); }

    uint32_t libraryScratch_ = 0;
    std::unordered_map<int, uint32_t> keptById_;
};

// The one library of the process.
Library& TheLibrary();

} // namespace mervik
