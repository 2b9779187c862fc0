#include "OutlinePrinter.h"

#include "ItemKinds.h"
#include "OutlineWalk.h"

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
    WalkOutline(outline, [&out](const Item& item, int depth) {
        out += std::string(static_cast<std::size_t>(depth) * 2, ' ') + ItemLine(item) + '\n';
    });
    return out;
}

} // namespace mervik
