// One item of an outline: its kind, its line of text, the numbered properties
// held on its own line, its named properties and its place in the tree.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace mervik {

struct NumberedProperty {
    int kind;
    std::string text;
};

// A named property's value is a byte block of its stored length; texts carry their NUL.
struct NamedProperty {
    std::string name;
    std::string bytes;
};

struct Item {
    uint32_t handle = 0;
    uint32_t outline = 0;
    int kind = 0;
    std::string text;
    bool isProtected = false;
    uint32_t modifiedFlags = 0;
    std::vector<NumberedProperty> numbered;
    std::vector<NamedProperty> named;

    Item* parent = nullptr;
    Item* firstChild = nullptr;
    Item* lastChild = nullptr;
    Item* next = nullptr;
    Item* previous = nullptr;

    NumberedProperty* FindNumbered(int propertyKind);
    const NumberedProperty* FindNumbered(int propertyKind) const;
    NamedProperty* FindNamed(const std::string& propertyName);
    void SetNumbered(int propertyKind, const std::string& value);
    void SetNamed(const std::string& propertyName, const std::string& value);
    bool RemoveNamed(const std::string& propertyName);
    // The first child of that kind, or null.
    Item* FindChildOfKind(int childKind) const;
};

// The item's name: its text up to the first ':', '!', blank or tab.
std::string NameOfText(const std::string& text);

} // namespace mervik
