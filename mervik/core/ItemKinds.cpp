#include "ItemKinds.h"

#include <algorithm>
#include <iterator>

namespace mervik {
namespace {

struct KindEntry {
    int kind;
    const char* name;
};

const KindEntry kKinds[] = {
    {1, "FormWindow"},
    {2, "TableWindow"},
    {3, "ChildTable"},
    {4, "DataField"},
    {5, "MultilineField"},
    {6, "PushButton"},
    {7, "RadioButton"},
    {8, "CheckBox"},
    {12, "BackgroundText"},
    {14, "ListBox"},
    {15, "ComboBox"},
    {17, "Line"},
    {18, "Picture"},
    {19, "MDIWindow"},
    {22, "CustomControl"},
    {29, "Application"},
    {37, "Boolean"},
    {56, "MaxLength"},
    {57, "DataType"},
    {58, "DateTime"},
    {63, "Description"},
    {66, "DialogBox"},
    {70, "Actions"},
    {103, "WindowHandle"},
    {107, "FontName"},
    {110, "FontSize"},
    {113, "Format"},
    {114, "Contents"},
    {118, "WindowVariables"},
    {124, "Settings"},
    {130, "Libraries"},
    {131, "Include"},
    {134, "Functions"},
    {135, "Function"},
    {136, "LocalVariables"},
    {137, "Parameters"},
    {138, "Returns"},
    {154, "LongString"},
    {157, "MDIContents"},
    {172, "Number"},
    {173, "MessageActions"},
    {174, "On"},
    {188, "!"},
    {204, "SqlHandle"},
    {205, "MultilineType"},
    {206, "String"},
    {208, "SystemConstants"},
    {211, "TableContents"},
    {222, "Constants"},
    {223, "Variables"},
    {229, "Height"},
    {230, "Left"},
    {232, "Title"},
    {233, "Top"},
    {234, "FileHandle"},
    {235, "Width"},
    {244, "ClassDefinitions"},
    {245, "FunctionalClass"},
    {246, "FormWindowClass"},
    {247, "DialogBoxClass"},
    {248, "TableWindowClass"},
    {249, "MDIWindowClass"},
    {261, "Instance"},
    {262, "DerivedFrom"},
    {270, "Container"},
    {273, "ChildTableWindow"},
    {278, "WindowFunctions"},
    {279, "ClassFunctions"},
    {281, "StaticVariables"},
    {287, "ClassName"},
    {413, "DynamicInclude"},
    {600, "Set"},
    {601, "Call"},
    {602, "If"},
    {603, "Else"},
    {604, "ElseIf"},
    {605, "While"},
    {606, "Loop"},
    {607, "Return"},
    {608, "Break"},
    {700, "Outline"},
};

struct TypeEntry {
    const char* typeName;
    int kind;
};

const TypeEntry kDataTypes[] = {
    {"Boolean", 37}, {"Date/Time", 58},   {"Window Handle", 103}, {"Long String", 154},
    {"Number", 172}, {"Sql Handle", 204}, {"String", 206},        {"File Handle", 234},
};

const TypeEntry kTopLevelWindows[] = {
    {"Form Window", 1},
    {"Table Window", 2},
    {"MDI Window", 19},
    {"Dialog Box", 66},
};

const TypeEntry kClassTypes[] = {
    {"Functional Class", 245},   {"Form Window Class", 246}, {"Dialog Box Class", 247},
    {"Table Window Class", 248}, {"MDI Window Class", 249},
};

template <std::size_t N> int Lookup(const TypeEntry (&table)[N], const std::string& typeName) {
    for (const TypeEntry& entry : table)
        if (typeName == entry.typeName)
            return entry.kind;
    return 0;
}

} // namespace

const char* KindName(int itemKind) {
    auto found = std::lower_bound(std::begin(kKinds), std::end(kKinds), itemKind,
                                  [](const KindEntry& entry, int k) { return entry.kind < k; });
    return found != std::end(kKinds) && found->kind == itemKind ? found->name : nullptr;
}

int KindByName(const std::string& name) {
    for (const KindEntry& entry : kKinds)
        if (name == entry.name)
            return entry.kind;
    return 0;
}

int ChildKindOfType(int parentKind, const std::string& typeName) {
    if (parentKind == kind::Application)
        return Lookup(kTopLevelWindows, typeName);
    if (parentKind == kind::ClassDefinitions)
        return Lookup(kClassTypes, typeName);
    return Lookup(kDataTypes, typeName);
}

bool IsClassDefinitionKind(int k) {
    return (k >= 245 && k <= 260) || k == 282 || k == 284 || k == 288 || k == 289 || k == 290 ||
           (k >= 324 && k <= 327) || k == 456;
}

bool IsTopLevelWindowKind(int k) {
    return k == 1 || k == 2 || k == 19 || k == 66 || k == 274 || (k >= 476 && k <= 478) ||
           k == 482 || k == 483;
}

bool IsChildWindowKind(int k) {
    return (k >= 3 && k <= 18) || k == 20 || k == 22 || k == 273;
}

bool IsContainerWindowKind(int k) {
    return IsTopLevelWindowKind(k) || k == kind::NestedContainer;
}

const char* DefaultNamePrefix(int k) {
    switch (k) {
    case 1:
        return "frm";
    case 2:
        return "tbl";
    case 3:
        return "ct";
    case 4:
        return "df";
    case 5:
        return "ml";
    case 6:
        return "pb";
    case 7:
        return "rb";
    case 8:
        return "cb";
    case 14:
        return "lb";
    case 15:
        return "cmb";
    case 18:
        return "pic";
    case 19:
        return "mdi";
    case 22:
        return "cc";
    case 66:
        return "dlg";
    default:
        return nullptr;
    }
}

} // namespace mervik
