#include "OutlineFile.h"

#include <algorithm>
#include <cctype>
#include <vector>

#include "ItemKinds.h"
#include "OutlineWalk.h"

namespace mervik {
namespace {

const char kHex[] = "0123456789ABCDEF";

std::string Escape(const std::string& bytes) {
    std::string out;
    out.reserve(bytes.size());
    for (char c : bytes) {
        auto byte = static_cast<unsigned char>(c);
        switch (c) {
        case '\\':
            out += "\\\\";
            break;
        case '"':
            out += "\\\"";
            break;
        case '\n':
            out += "\\n";
            break;
        case '\r':
            out += "\\r";
            break;
        case '\t':
            out += "\\t";
            break;
        case '\0':
            out += "\\0";
            break;
        default:
            if (byte < 0x20 || byte >= 0x7F) {
                out += "\\x";
                out += kHex[byte >> 4];
                out += kHex[byte & 15];
            } else {
                out += c;
            }
        }
    }
    return out;
}

struct ParseError {
    std::string message;
};

int HexDigit(char c) {
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    return -1;
}

// Reads escaped bytes from text at pos up to the end, or up to a closing quote when quoted.
std::string Unescape(const std::string& text, std::size_t& pos, bool quoted) {
    std::string out;
    while (pos < text.size()) {
        char c = text[pos++];
        if (quoted && c == '"')
            return out;
        if (!quoted && c == '"')
            throw ParseError{"unescaped quote in text"};
        if (c != '\\') {
            out += c;
            continue;
        }
        if (pos >= text.size())
            throw ParseError{"unterminated escape"};
        char e = text[pos++];
        switch (e) {
        case '\\':
            out += '\\';
            break;
        case '"':
            out += '"';
            break;
        case 'n':
            out += '\n';
            break;
        case 'r':
            out += '\r';
            break;
        case 't':
            out += '\t';
            break;
        case '0':
            out += '\0';
            break;
        case 'x': {
            int high = pos < text.size() ? HexDigit(text[pos]) : -1;
            int low = pos + 1 < text.size() ? HexDigit(text[pos + 1]) : -1;
            if (high < 0 || low < 0)
                throw ParseError{"bad \\x escape"};
            out += static_cast<char>(high * 16 + low);
            pos += 2;
            break;
        }
        default:
            throw ParseError{"unknown escape"};
        }
    }
    if (quoted)
        throw ParseError{"unterminated value"};
    return out;
}

std::string Quoted(const std::string& text, std::size_t& pos) {
    if (pos >= text.size() || text[pos] != '"')
        throw ParseError{"value must be quoted"};
    ++pos;
    return Unescape(text, pos, true);
}

void ExpectEnd(const std::string& text, std::size_t pos) {
    if (pos != text.size())
        throw ParseError{"unexpected text after value"};
}

int ParseKind(const std::string& token) {
    if (!token.empty() && std::all_of(token.begin(), token.end(), [](char c) {
            return std::isdigit(static_cast<unsigned char>(c));
        })) {
        if (token.size() > 6 || token[0] == '0')
            throw ParseError{"bad kind number"};
        return std::stoi(token);
    }
    int found = KindByName(token);
    if (found == 0)
        throw ParseError{"unknown kind name '" + token + "'"};
    return found;
}

void ApplyAttribute(Item& item, const std::string& line) {
    std::size_t pos = 1;
    if (line[0] == '#') {
        if (line != "#protected")
            throw ParseError{"unknown flag"};
        item.isProtected = true;
        return;
    }
    if (line[0] == '=') {
        std::size_t blank = line.find(' ');
        if (blank == std::string::npos)
            throw ParseError{"property line without value"};
        std::string number = line.substr(1, blank - 1);
        if (number.empty() || number.size() > 6 ||
            number.find_first_not_of("0123456789") != std::string::npos || number[0] == '0')
            throw ParseError{"bad property number"};
        pos = blank + 1;
        std::string value = Quoted(line, pos);
        ExpectEnd(line, pos);
        int propertyKind = std::stoi(number);
        if (item.FindNumbered(propertyKind) != nullptr)
            throw ParseError{"property given twice"};
        item.numbered.push_back({propertyKind, value});
        return;
    }
    std::string name = Quoted(line, pos);
    if (name.empty() || pos >= line.size() || line[pos] != ' ')
        throw ParseError{"bad named property"};
    ++pos;
    std::string value = Quoted(line, pos);
    ExpectEnd(line, pos);
    if (value.size() > 0xFFFF)
        throw ParseError{"named property value too long"};
    if (item.FindNamed(name) != nullptr)
        throw ParseError{"named property given twice"};
    item.named.push_back({name, value});
}

void SaveItem(const Item& item, int depth, std::string& out) {
    std::string indent(static_cast<std::size_t>(depth) * 2, ' ');
    const char* name = KindName(item.kind);
    out += indent;
    out += name != nullptr ? std::string(name) : std::to_string(item.kind);
    if (!item.text.empty())
        out += ' ' + Escape(item.text);
    out += '\n';
    if (item.isProtected)
        out += indent + "  #protected\n";
    for (const NumberedProperty& property : item.numbered)
        out +=
            indent + "  =" + std::to_string(property.kind) + " \"" + Escape(property.text) + "\"\n";
    for (const NamedProperty& property : item.named)
        out += indent + "  @\"" + Escape(property.name) + "\" \"" + Escape(property.bytes) + "\"\n";
}

} // namespace

LoadResult LoadOutline(OutlineStore& store, const std::string& text, const std::string& name) {
    LoadResult result;
    uint32_t previousCurrent = store.current;
    uint32_t handle = store.Open(name);
    Outline* outline = store.FindOutline(handle);
    // path[d] is the last item read at depth d; path[0] is the root.
    std::vector<Item*> path{outline->root};
    std::vector<bool> hasChildren{false};
    std::size_t start = 0;
    int lineNumber = 0;
    try {
        while (start < text.size()) {
            ++lineNumber;
            std::size_t end = text.find('\n', start);
            if (end == std::string::npos)
                throw ParseError{"last line has no line end"};
            std::string line = text.substr(start, end - start);
            start = end + 1;

            std::size_t blanks = line.find_first_not_of(' ');
            if (blanks == std::string::npos)
                throw ParseError{"empty line"};
            if (line[blanks] == '\t' || blanks % 2 != 0)
                throw ParseError{"bad indentation"};
            std::size_t depth = blanks / 2;
            std::string body = line.substr(blanks);

            if (body[0] == '=' || body[0] == '@' || body[0] == '#') {
                // An attribute belongs to the item one level up, before its children.
                if (path.size() == 1)
                    throw ParseError{"property line before any item"};
                if (depth == 0 || depth >= path.size())
                    throw ParseError{"bad indentation"};
                if (depth + 1 < path.size() || hasChildren[depth])
                    throw ParseError{"property line after children"};
                ApplyAttribute(*path[depth], body);
                continue;
            }
            if (depth + 1 > path.size())
                throw ParseError{"bad indentation"};
            std::size_t blank = body.find(' ');
            int itemKind = ParseKind(body.substr(0, blank));
            Item* parent = path[depth];
            path.resize(depth + 1);
            hasChildren.resize(depth + 1);
            hasChildren[depth] = true;
            Item* item = store.Insert(*parent, parent->lastChild, itemKind);
            if (blank != std::string::npos) {
                std::size_t pos = blank + 1;
                item->text = Unescape(body, pos, false);
            }
            path.push_back(item);
            hasChildren.push_back(false);
        }
    } catch (const ParseError& error) {
        store.Close(handle);
        store.current = previousCurrent;
        result.line = lineNumber;
        result.message = error.message;
        return result;
    }
    result.outline = handle;
    return result;
}

std::string SaveOutline(const Outline& outline) {
    std::string out;
    WalkOutline(outline, [&out](const Item& item, int depth) { SaveItem(item, depth, out); });
    return out;
}

} // namespace mervik
