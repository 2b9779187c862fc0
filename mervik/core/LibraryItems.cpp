// The item operations of the library: texts, both forms of numbered
// properties, named properties, classes, protection and names.
#include <cctype>

#include "ItemKinds.h"
#include "Library.h"
#include "StatementParser.h"

namespace mervik {

int Library::ItemKind(uint32_t o, uint32_t i) const {
    Item* item = Find(o, i);
    return item != nullptr ? item->kind : 0;
}

bool Library::KindName(int itemKind, uint32_t* h) {
    const char* name = mervik::KindName(itemKind);
    if (name == nullptr || h == nullptr)
        return false;
    if (*h == 0)
        return (*h = strings.WriteKept(libraryScratch_, name)) != 0;
    return strings.WriteText(h, name);
}

bool Library::ItemText(uint32_t o, uint32_t i, int mode, uint32_t* h) {
    Item* item = Find(o, i);
    if (item == nullptr || h == nullptr || (mode != 0 && mode != 1))
        return false;
    std::string text = mode == 0 ? NameOfText(item->text) : item->text;
    if (*h == 0)
        return (*h = strings.WriteKept(OutlineOf(*item).scratch, text)) != 0;
    return strings.WriteText(h, text);
}

bool Library::SetItemText(uint32_t o, uint32_t i, const char* text, int lines) {
    Item* item = Find(o, i);
    if (item == nullptr || text == nullptr || lines < 1)
        return false;
    item->text = text;
    OutlineOf(*item).modified = true;
    return true;
}

bool Library::ItemProperty(uint32_t o, uint32_t i, int propertyKind, int flag, uint32_t* h) {
    Item* item = Find(o, i);
    if (item == nullptr || h == nullptr)
        return false;
    const std::string* value = nullptr;
    if (const NumberedProperty* property = item->FindNumbered(propertyKind))
        value = &property->text;
    else if (const Item* sub = item->FindChildOfKind(propertyKind))
        value = &sub->text;
    if (value == nullptr)
        return false;
    if (*h == 0 && flag == 1)
        return (*h = strings.WriteKept(OutlineOf(*item).scratch, *value)) != 0;
    return strings.WriteText(h, *value);
}

bool Library::SetItemProperty(uint32_t o, uint32_t i, int propertyKind, const char* text,
                              int lines) {
    Item* item = Find(o, i);
    if (item == nullptr || text == nullptr || lines < 1 || propertyKind <= 0)
        return false;
    if (item->FindNumbered(propertyKind) == nullptr) {
        if (Item* sub = item->FindChildOfKind(propertyKind)) {
            sub->text = text;
            OutlineOf(*item).modified = true;
            return true;
        }
    }
    item->SetNumbered(propertyKind, text);
    OutlineOf(*item).modified = true;
    return true;
}

bool Library::NotifyItemChanged(uint32_t o, uint32_t i, int /*kind*/) {
    Item* item = Find(o, i);
    if (item == nullptr)
        return false;
    ++OutlineOf(*item).notifications;
    return true;
}

bool Library::NamedProperty(uint32_t o, uint32_t i, const char* name, uint32_t* h) {
    Item* item = Find(o, i);
    if (item == nullptr || name == nullptr || h == nullptr)
        return false;
    mervik::NamedProperty* property = item->FindNamed(name);
    return property != nullptr && strings.WriteBytes(h, property->bytes);
}

bool Library::SetNamedProperty(uint32_t o, uint32_t i, const char* name, const void* data,
                               uint32_t length) {
    Item* item = Find(o, i);
    if (item == nullptr || name == nullptr || *name == '\0' || length > 0xFFFF ||
        (data == nullptr && length != 0))
        return false;
    item->SetNamed(name, std::string(static_cast<const char*>(data), length));
    OutlineOf(*item).modified = true;
    return true;
}

bool Library::RemoveNamedProperty(uint32_t o, uint32_t i, const char* name) {
    Item* item = Find(o, i);
    if (item == nullptr || name == nullptr || !item->RemoveNamed(name))
        return false;
    OutlineOf(*item).modified = true;
    return true;
}

bool Library::SetItemClass(uint32_t o, uint32_t i, const char* className) {
    Item* item = Find(o, i);
    if (item == nullptr || className == nullptr || *className == '\0')
        return false;
    item->SetNumbered(kind::ClassName, className);
    OutlineOf(*item).modified = true;
    return true;
}

bool Library::IsItemProtected(uint32_t o, uint32_t i) const {
    Item* item = Find(o, i);
    return item != nullptr && item->isProtected;
}

bool Library::MarkItemModified(uint32_t o, uint32_t i, uint32_t flags) {
    Item* item = Find(o, i);
    if (item == nullptr)
        return false;
    item->modifiedFlags |= flags;
    OutlineOf(*item).modified = true;
    return true;
}

bool Library::SetDefaultName(uint32_t o, uint32_t i) {
    Item* item = Find(o, i);
    return item != nullptr && OutlineStore::SetDefaultName(*item);
}

// The outline stores a name as one line without blanks around it.
uint32_t Library::PrepareItemText(const char* text) {
    if (text == nullptr)
        return 0;
    std::string prepared(text);
    prepared = prepared.substr(0, prepared.find_first_of("\r\n"));
    std::size_t begin = prepared.find_first_not_of(" \t");
    std::size_t end = prepared.find_last_not_of(" \t");
    prepared = begin == std::string::npos ? std::string() : prepared.substr(begin, end - begin + 1);
    uint32_t handle = 0;
    return strings.WriteText(&handle, prepared) ? handle : 0;
}

uint32_t Library::ParseStatement(const char* text, uint32_t o, uint32_t i, int* statementKind) {
    if (text == nullptr || Find(o, i) == nullptr)
        return 0;
    ParsedStatement parsed;
    if (!mervik::ParseStatement(text, parsed))
        return 0;
    if (statementKind != nullptr)
        *statementKind = parsed.kind;
    return strings.WriteKept(libraryScratch_, parsed.text);
}

bool Library::UpdateClassDefinition(uint32_t o, uint32_t i) {
    Item* item = Find(o, i);
    if (item == nullptr || !IsClassDefinitionKind(item->kind))
        return false;
    ++classUpdates;
    return true;
}

bool Library::RefreshLibrary(uint32_t o, uint32_t i) {
    Item* item = Find(o, i);
    if (item == nullptr || (item->kind != kind::LibraryInclude && item->kind != 413))
        return false;
    ++libraryRefreshes;
    return true;
}

} // namespace mervik
