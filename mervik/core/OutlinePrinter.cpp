#include "OutlinePrinter.h"

#include "ItemKinds.h"

namespace mervik {

std::string ItemLine(const Item& item) {
    const char* name = KindName(item.kind);
    std::string line = name != nullptr ? name : std::to_string(item.kind);
    if (!item.text.empty())
        line += ' ' + item.text;
    return line;
}

std::string PrintOutline(const Outline& outline) {
    std::string out;
    int depth = 0;
    for (Item* node = outline.root->firstChild; node != nullptr;) {
        out += std::string(static_cast<std::size_t>(depth) * 2, ' ') + ItemLine(*node) + '\n';
        if (node->firstChild != nullptr) {
            node = node->firstChild;
            ++depth;
            continue;
        }
        while (node->next == nullptr && node->parent != outline.root) {
            node = node->parent;
            --depth;
        }
        node = node->next;
    }
    return out;
}

} // namespace mervik
