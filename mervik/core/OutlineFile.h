// The text form of an outline.  One line each, indented by two blanks a level:
//
//   <kind> <text>              an item: its kind name (or number), a blank, its text
//   =<number> "<value>"        a numbered property held on the item line above
//   @"<name>" "<value>"        a named property of the item above (bytes, escaped)
//   #protected                 the item above is protected
//
// Property lines sit one level below their item and before its children.  Texts
// and values escape '\\', '"', control bytes and bytes from 0x80 as \\, \", \n,
// \r, \t, \0 and \xHH, so the file is plain ASCII and saving what was loaded
// gives the same bytes.
#pragma once

#include <cstdint>
#include <string>

#include "OutlineStore.h"

namespace mervik {

struct LoadResult {
    uint32_t outline = 0; // 0 when the text was refused
    int line = 0;         // the line that was refused
    std::string message;
};

// Loads the text as a new outline; a malformed text leaves no outline behind.
LoadResult LoadOutline(OutlineStore& store, const std::string& text, const std::string& name);
std::string SaveOutline(const Outline& outline);

} // namespace mervik
