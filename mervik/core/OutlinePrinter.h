// An outline as the IDE shows it: one line an item, indented by two blanks a
// level, the kind name, a blank and the text.
#pragma once

#include <string>

#include "OutlineStore.h"

namespace mervik {

// The line the IDE shows for the item: kind name (or number), a blank and the text.
std::string ItemLine(const Item& item);
std::string PrintOutline(const Outline& outline);

} // namespace mervik
