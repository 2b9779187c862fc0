// The editing operations of the library: inserting, deleting and copying
// items, outline checks and modes, and edit brackets.
#include "ItemKinds.h"
#include "Library.h"

namespace mervik {

uint32_t Library::InsertItem(uint32_t o, uint32_t parent, uint32_t after, int itemKind) {
    Item* under = Find(o, parent);
    Item* previous = after != 0 ? Find(o, after) : nullptr;
    if (under == nullptr || itemKind <= 0 || (after != 0 && previous == nullptr))
        return 0;
    Item* item = outlines.Insert(*under, previous, itemKind);
    if (item == nullptr)
        return 0;
    OutlineOf(*item).modified = true;
    return item->handle;
}

bool Library::DeleteItem(uint32_t o, uint32_t i) {
    Item* item = Find(o, i);
    if (item == nullptr)
        return false;
    Outline& outline = OutlineOf(*item);
    if (!outlines.Delete(*item))
        return false;
    outline.modified = true;
    return true;
}

uint32_t Library::CopyItem(uint32_t from, uint32_t item, uint32_t to, uint32_t parent,
                           uint32_t after) {
    Item* source = Find(from, item);
    Item* under = Find(to, parent);
    Item* previous = after != 0 ? Find(to, after) : nullptr;
    if (source == nullptr || under == nullptr || (after != 0 && previous == nullptr))
        return 0;
    Item* copy = outlines.Copy(*source, *under, previous);
    if (copy == nullptr)
        return 0;
    OutlineOf(*copy).modified = true;
    return copy->handle;
}

bool Library::CheckLinks(uint32_t o) const {
    return outlines.LinksAreConsistent(o);
}

bool Library::CheckKinds(uint32_t o) const {
    Outline* outline = outlines.FindOutline(o);
    if (outline == nullptr)
        return false;
    bool known = true;
    WalkSubtree(*outline->root, [&](Item& item) { known = known && item.kind > 0; });
    return known;
}

bool Library::SetOutlineMode(uint32_t o, bool on) {
    Outline* outline = outlines.FindOutline(o);
    if (outline == nullptr)
        return false;
    bool previous = outline->outlineMode;
    outline->outlineMode = on;
    return previous;
}

bool Library::IsEditOpen(uint32_t o) const {
    return outlines.FindOutline(o) != nullptr && edit.IsOpen();
}

uint32_t Library::EditMark(uint32_t i) {
    return outlines.FindAnyItem(i) != nullptr ? edit.Mark(i) : 0;
}

} // namespace mervik
