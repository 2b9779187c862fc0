#include "OutlineStore.h"

#include <set>

#include "ItemKinds.h"

namespace mervik {

uint32_t OutlineStore::Open(const std::string& name) {
    auto outline = std::make_unique<Outline>();
    outline->name = name;
    uint32_t handle = outlines_.NextHandle();
    outline->handle = handle;
    outline->root = NewItem(handle, kind::Root);
    outlines_.Add(std::move(outline));
    current = handle;
    return handle;
}

bool OutlineStore::Close(uint32_t handle) {
    Outline* outline = FindOutline(handle);
    if (outline == nullptr)
        return false;
    std::vector<uint32_t> handles;
    WalkSubtree(*outline->root, [&](Item& item) { handles.push_back(item.handle); });
    for (uint32_t item : handles)
        items_.Remove(item);
    outlines_.Remove(handle);
    if (current == handle)
        current = 0;
    return true;
}

Item* OutlineStore::FindItem(uint32_t outline, uint32_t handle) const {
    Item* item = items_.Find(handle);
    return item != nullptr && item->outline == outline ? item : nullptr;
}

Item* OutlineStore::NewItem(uint32_t outline, int itemKind) {
    auto item = std::make_unique<Item>();
    item->handle = items_.NextHandle();
    item->outline = outline;
    item->kind = itemKind;
    Item* made = item.get();
    items_.Add(std::move(item));
    return made;
}

void OutlineStore::Link(Item& item, Item& parent, Item* after) {
    item.parent = &parent;
    item.previous = after;
    item.next = after != nullptr ? after->next : parent.firstChild;
    if (item.next != nullptr)
        item.next->previous = &item;
    else
        parent.lastChild = &item;
    if (after != nullptr)
        after->next = &item;
    else
        parent.firstChild = &item;
}

Item* OutlineStore::Insert(Item& parent, Item* after, int itemKind) {
    if (after != nullptr && after->parent != &parent)
        return nullptr;
    Item* item = NewItem(parent.outline, itemKind);
    Link(*item, parent, after);
    return item;
}

bool OutlineStore::Delete(Item& item) {
    if (item.parent == nullptr)
        return false;
    Item& parent = *item.parent;
    (item.previous != nullptr ? item.previous->next : parent.firstChild) = item.next;
    (item.next != nullptr ? item.next->previous : parent.lastChild) = item.previous;
    item.parent = item.next = item.previous = nullptr;
    std::vector<uint32_t> handles;
    WalkSubtree(item, [&](Item& each) { handles.push_back(each.handle); });
    for (uint32_t handle : handles)
        items_.Remove(handle);
    return true;
}

Item* OutlineStore::CloneDetached(const Item& source, uint32_t outline, std::vector<Item*>& made) {
    Item* copy = NewItem(outline, source.kind);
    made.push_back(copy);
    copy->text = source.text;
    copy->isProtected = source.isProtected;
    copy->numbered = source.numbered;
    copy->named = source.named;
    Item* last = nullptr;
    for (const Item* child = source.firstChild; child != nullptr; child = child->next) {
        Item* childCopy = CloneDetached(*child, outline, made);
        Link(*childCopy, *copy, last);
        last = childCopy;
    }
    return copy;
}

Item* OutlineStore::Copy(const Item& source, Item& parent, Item* after) {
    if (after != nullptr && after->parent != &parent)
        return nullptr;
    if (source.parent == nullptr)
        return nullptr; // the root is no item to copy
    // The copy is built apart first, so that copying an item into its own subtree
    // cannot copy the copy.
    std::vector<Item*> made;
    Item* copy = CloneDetached(source, parent.outline, made);
    Link(*copy, parent, after);
    return copy;
}

Item* OutlineStore::FindSubItem(Item& item, int itemKind) {
    if (item.FindNumbered(itemKind) != nullptr)
        return &item;
    return item.FindChildOfKind(itemKind);
}

Item* OutlineStore::FindNamedChild(Item& item, int sectionKind, const std::string& name) {
    Item* section = sectionKind == 0 ? &item : item.FindChildOfKind(sectionKind);
    if (section == nullptr)
        return nullptr;
    for (Item* child = section->firstChild; child != nullptr; child = child->next)
        if (child->kind != kind::Comment && NameOfText(child->text) == name)
            return child;
    return nullptr;
}

int OutlineStore::ChildKind(int parentKind, const std::string& typeName, uint32_t outline) const {
    int declared = ChildKindOfType(parentKind, typeName);
    if (declared != 0 || parentKind == kind::Application || parentKind == kind::ClassDefinitions)
        return declared;
    Outline* open = FindOutline(outline);
    if (open == nullptr || typeName.empty())
        return 0;
    Item* application = open->root->FindChildOfKind(kind::Application);
    Item* classes = application ? application->FindChildOfKind(kind::ClassDefinitions) : nullptr;
    if (classes == nullptr)
        return 0;
    for (Item* entry = classes->firstChild; entry != nullptr; entry = entry->next)
        if (IsClassDefinitionKind(entry->kind) && NameOfText(entry->text) == typeName)
            return kind::ClassInstance;
    return 0;
}

bool OutlineStore::SetDefaultName(Item& item) {
    const char* prefix = DefaultNamePrefix(item.kind);
    if (prefix == nullptr)
        return false;
    Item* scope = item.parent;
    for (Item* up = item.parent; up != nullptr; up = up->parent)
        if (IsTopLevelWindowKind(up->kind))
            scope = up;
    if (scope == nullptr)
        return false;
    std::set<std::string> taken;
    WalkSubtree(*scope, [&](Item& each) {
        if (&each != &item)
            taken.insert(NameOfText(each.text));
    });
    for (unsigned number = 1;; ++number) {
        std::string name = prefix + std::to_string(number);
        if (taken.count(name) == 0) {
            item.text = name;
            return true;
        }
    }
}

bool OutlineStore::LinksAreConsistent(uint32_t handle) const {
    Outline* outline = FindOutline(handle);
    if (outline == nullptr)
        return false;
    bool consistent = true;
    WalkSubtree(*outline->root, [&](Item& item) {
        if (FindItem(handle, item.handle) != &item)
            consistent = false;
        Item* previous = nullptr;
        for (Item* child = item.firstChild; child != nullptr; child = child->next) {
            if (child->parent != &item || child->previous != previous)
                consistent = false;
            previous = child;
        }
        if (item.lastChild != previous)
            consistent = false;
    });
    return consistent;
}

} // namespace mervik
