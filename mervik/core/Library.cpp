#include "Library.h"

#include "ItemKinds.h"

namespace mervik {

Library& TheLibrary() {
    static Library library;
    return library;
}

namespace {
uint32_t HandleOf(const Item* item) {
    return item != nullptr ? item->handle : 0;
}
} // namespace

uint32_t Library::RootItem(uint32_t o) const {
    Outline* outline = outlines.FindOutline(o);
    return outline != nullptr ? outline->root->handle : 0;
}

uint32_t Library::Parent(uint32_t o, uint32_t i) const {
    Item* item = Find(o, i);
    return item != nullptr ? HandleOf(item->parent) : 0;
}

uint32_t Library::FirstChild(uint32_t o, uint32_t i) const {
    Item* item = Find(o, i);
    return item != nullptr ? HandleOf(item->firstChild) : 0;
}

uint32_t Library::LastChild(uint32_t o, uint32_t i) const {
    Item* item = Find(o, i);
    return item != nullptr ? HandleOf(item->lastChild) : 0;
}

uint32_t Library::NextSibling(uint32_t o, uint32_t i) const {
    Item* item = Find(o, i);
    return item != nullptr ? HandleOf(item->next) : 0;
}

uint32_t Library::PreviousSibling(uint32_t o, uint32_t i) const {
    Item* item = Find(o, i);
    return item != nullptr ? HandleOf(item->previous) : 0;
}

uint32_t Library::FindSubItem(uint32_t o, uint32_t i, int kind) const {
    Item* item = Find(o, i);
    return item != nullptr ? HandleOf(OutlineStore::FindSubItem(*item, kind)) : 0;
}

uint32_t Library::FindNamedChild(uint32_t o, uint32_t i, int sectionKind, const char* name) const {
    Item* item = Find(o, i);
    if (item == nullptr || name == nullptr)
        return 0;
    return HandleOf(OutlineStore::FindNamedChild(*item, sectionKind, name));
}

int Library::ChildKind(int parentKind, const char* typeName) const {
    if (typeName == nullptr)
        return 0;
    return outlines.ChildKind(parentKind, typeName, outlines.current);
}

bool Library::CloseOutline(uint32_t o) {
    Outline* outline = outlines.FindOutline(o);
    if (outline == nullptr)
        return false;
    strings.FreeKept(outline->scratch);
    return outlines.Close(o);
}

} // namespace mervik
