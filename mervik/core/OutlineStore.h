// The open outlines and their items, each addressed by a handle that is never
// reused.  Every operation here takes items already validated by FindItem.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "Item.h"
#include "Registry.h"

namespace mervik {

struct Outline {
    uint32_t handle = 0;
    std::string name;
    Item* root = nullptr;
    bool outlineMode = false;
    bool modified = false;
    unsigned notifications = 0;
    // The string the library keeps for texts it hands out without a caller-owned handle.
    uint32_t scratch = 0;
};

class OutlineStore {
public:
    OutlineStore() = default;
    OutlineStore(const OutlineStore&) = delete;
    OutlineStore& operator=(const OutlineStore&) = delete;

    // A new outline holding only its root item.
    uint32_t Open(const std::string& name);
    bool Close(uint32_t outline);
    Outline* FindOutline(uint32_t outline) const { return outlines_.Find(outline); }
    // The item when it is alive and belongs to that outline, else null.
    Item* FindItem(uint32_t outline, uint32_t item) const;
    // The item in whatever outline holds it, or null.
    Item* FindAnyItem(uint32_t item) const { return items_.Find(item); }

    // Inserts a new item under parent, after `after` (one of parent's children) or first
    // when `after` is null; null when `after` is not a child of parent.
    Item* Insert(Item& parent, Item* after, int kind);
    // Deletes the item and its subtree; the root cannot be deleted.
    bool Delete(Item& item);
    // Copies the subtree of source into target under parent, after `after` (or first).
    Item* Copy(const Item& source, Item& parent, Item* after);

    // The item itself when it holds the property on its line, else its first child of that kind.
    static Item* FindSubItem(Item& item, int kind);
    // The child (of the section of that kind, or of the item for section 0) with that name.
    static Item* FindNamedChild(Item& item, int sectionKind, const std::string& name);
    // The kind declaring the type name under that parent kind; class names of the outline give
    // the class-instance kind.
    int ChildKind(int parentKind, const std::string& typeName, uint32_t outline) const;
    // Names the item with its kind's prefix and the smallest number free in its top-level window.
    static bool SetDefaultName(Item& item);

    // Whether every link of the tree agrees with its neighbours and every item is alive.
    bool LinksAreConsistent(uint32_t outline) const;
    std::size_t LiveItems() const { return items_.LiveCount(); }

    uint32_t current = 0;

private:
    Item* NewItem(uint32_t outline, int kind);
    void Link(Item& item, Item& parent, Item* after);
    Item* CloneDetached(const Item& source, uint32_t outline, std::vector<Item*>& made);

    Registry<Outline> outlines_;
    Registry<Item> items_;
};

// Calls visit for item and every item below it, parents before children.
template <class Visit> void WalkSubtree(Item& item, Visit visit) {
    Item* node = &item;
    while (node != nullptr) {
        visit(*node);
        if (node->firstChild != nullptr) {
            node = node->firstChild;
            continue;
        }
        while (node != &item && node->next == nullptr)
            node = node->parent;
        node = node == &item ? nullptr : node->next;
    }
}

} // namespace mervik
