#include "StatementParser.h"

#include <cctype>

#include "ItemKinds.h"

namespace mervik {
namespace {

std::string Trim(const std::string& text) {
    std::size_t begin = text.find_first_not_of(" \t");
    if (begin == std::string::npos)
        return std::string();
    std::size_t end = text.find_last_not_of(" \t");
    return text.substr(begin, end - begin + 1);
}

bool SameWord(const std::string& word, const char* keyword) {
    std::size_t n = 0;
    for (; keyword[n] != '\0'; ++n)
        if (n >= word.size() || std::tolower(static_cast<unsigned char>(word[n])) != keyword[n])
            return false;
    return n == word.size();
}

// Quotes closed and parentheses balanced.
bool IsBalanced(const std::string& text) {
    int depth = 0;
    char quote = 0;
    for (char c : text) {
        if (quote != 0) {
            if (c == quote)
                quote = 0;
        } else if (c == '\'' || c == '"') {
            quote = c;
        } else if (c == '(') {
            ++depth;
        } else if (c == ')' && --depth < 0) {
            return false;
        }
    }
    return depth == 0 && quote == 0;
}

bool IsIdentifierChar(char c) {
    return std::isalnum(static_cast<unsigned char>(c)) || c == '_' || c == '.' || c == '[' ||
           c == ']';
}

bool StartsWithIdentifier(const std::string& text, std::size_t& end) {
    end = 0;
    while (end < text.size() && IsIdentifierChar(text[end]))
        ++end;
    return end > 0 && !std::isdigit(static_cast<unsigned char>(text[0]));
}

bool ParseSet(const std::string& rest, std::string& text) {
    std::size_t equals = rest.find('=');
    if (equals == std::string::npos)
        return false;
    std::string target = Trim(rest.substr(0, equals));
    std::string value = Trim(rest.substr(equals + 1));
    std::size_t end = 0;
    if (!StartsWithIdentifier(target, end) || end != target.size() || value.empty())
        return false;
    text = target + " = " + value;
    return true;
}

bool ParseCall(const std::string& rest, std::string& text) {
    std::size_t end = 0;
    if (!StartsWithIdentifier(rest, end))
        return false;
    std::size_t open = rest.find_first_not_of(" \t", end);
    if (open == std::string::npos || rest[open] != '(' || rest.back() != ')')
        return false;
    text = rest;
    return true;
}

} // namespace

bool ParseStatement(const std::string& line, ParsedStatement& out) {
    if (line.find_first_of("\r\n") != std::string::npos)
        return false;
    std::string statement = Trim(line);
    if (statement.empty())
        return false;
    if (statement[0] == '!') {
        out.kind = kind::Comment;
        out.text = Trim(statement.substr(1));
        return true;
    }
    std::size_t wordEnd = statement.find_first_of(" \t");
    std::string word = statement.substr(0, wordEnd);
    std::string rest =
        wordEnd == std::string::npos ? std::string() : Trim(statement.substr(wordEnd));
    if (!IsBalanced(rest))
        return false;

    ParsedStatement parsed;
    if (SameWord(word, "set")) {
        parsed.kind = kind::Set;
        if (!ParseSet(rest, parsed.text))
            return false;
    } else if (SameWord(word, "call")) {
        parsed.kind = kind::Call;
        if (!ParseCall(rest, parsed.text))
            return false;
    } else if (SameWord(word, "if") || SameWord(word, "while")) {
        parsed.kind = SameWord(word, "if") ? kind::If : kind::While;
        if (rest.empty())
            return false;
        parsed.text = rest;
    } else if (SameWord(word, "else")) {
        std::size_t next = rest.find_first_of(" \t");
        if (rest.empty()) {
            parsed.kind = kind::Else;
        } else if (SameWord(rest.substr(0, next), "if") && next != std::string::npos) {
            parsed.kind = kind::ElseIf;
            parsed.text = Trim(rest.substr(next));
        } else {
            return false;
        }
    } else if (SameWord(word, "loop") || SameWord(word, "return") || SameWord(word, "break")) {
        parsed.kind = SameWord(word, "loop")     ? kind::Loop
                      : SameWord(word, "return") ? kind::Return
                                                 : kind::Break;
        parsed.text = rest;
    } else {
        return false;
    }
    out = parsed;
    return true;
}

} // namespace mervik
