// Reads one statement line as the outline stores it: the statement's kind and
// its canonical text (the line without its keyword).
#pragma once

#include <string>

namespace mervik {

struct ParsedStatement {
    int kind = 0;
    std::string text;
};

// False (and out untouched) when the line is no statement the outline knows.
bool ParseStatement(const std::string& line, ParsedStatement& out);

} // namespace mervik
