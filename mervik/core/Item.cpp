#include "Item.h"

#include <algorithm>

namespace mervik {

NumberedProperty* Item::FindNumbered(int propertyKind) {
    for (NumberedProperty& property : numbered)
        if (property.kind == propertyKind)
            return &property;
    return nullptr;
}

const NumberedProperty* Item::FindNumbered(int propertyKind) const {
    return const_cast<Item*>(this)->FindNumbered(propertyKind);
}

NamedProperty* Item::FindNamed(const std::string& propertyName) {
    for (NamedProperty& property : named)
        if (property.name == propertyName)
            return &property;
    return nullptr;
}

void Item::SetNumbered(int propertyKind, const std::string& value) {
    if (NumberedProperty* property = FindNumbered(propertyKind))
        property->text = value;
    else
        numbered.push_back({propertyKind, value});
}

void Item::SetNamed(const std::string& propertyName, const std::string& value) {
    if (NamedProperty* property = FindNamed(propertyName))
        property->bytes = value;
    else
        named.push_back({propertyName, value});
}

bool Item::RemoveNamed(const std::string& propertyName) {
    auto found = std::find_if(named.begin(), named.end(), [&](const NamedProperty& property) {
        return property.name == propertyName;
    });
    if (found == named.end())
        return false;
    named.erase(found);
    return true;
}

Item* Item::FindChildOfKind(int childKind) const {
    for (Item* child = firstChild; child != nullptr; child = child->next)
        if (child->kind == childKind)
            return child;
    return nullptr;
}

std::string NameOfText(const std::string& text) {
    return text.substr(0, text.find_first_of(":! \t"));
}

} // namespace mervik
