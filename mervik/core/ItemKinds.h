// The item kinds the outline knows: their numbers, the names the outline shows
// for them, the type names that declare them and the prefixes of default names.
#pragma once

#include <string>

namespace mervik {

namespace kind {
constexpr int FormWindow = 1;
constexpr int DataField = 4;
constexpr int CheckBox = 8;
constexpr int PushButton = 6;
constexpr int CustomControl = 22;
constexpr int Application = 29;
constexpr int Description = 63;
constexpr int DialogBox = 66;
constexpr int Contents = 114;
constexpr int LibraryInclude = 131;
constexpr int MessageActions = 173;
constexpr int MessageAction = 174;
constexpr int Comment = 188;
constexpr int Height = 229;
constexpr int Left = 230;
constexpr int Title = 232;
constexpr int Top = 233;
constexpr int Width = 235;
constexpr int ClassDefinitions = 244;
constexpr int ClassInstance = 261;
constexpr int NestedContainer = 270;
constexpr int ClassName = 287;
// Kinds of our own, above every number the module uses.
constexpr int Set = 600;
constexpr int Call = 601;
constexpr int If = 602;
constexpr int Else = 603;
constexpr int ElseIf = 604;
constexpr int While = 605;
constexpr int Loop = 606;
constexpr int Return = 607;
constexpr int Break = 608;
constexpr int Root = 700;
} // namespace kind

// The kind's name as the outline shows it (one word, no blank), or null for a kind without one.
const char* KindName(int itemKind);
// The kind of that name, or 0.
int KindByName(const std::string& name);

// The kind that declares an item of the type name under a parent of that kind, or 0.
// Class names are not known here; the outline adds those.
int ChildKindOfType(int parentKind, const std::string& typeName);

bool IsClassDefinitionKind(int itemKind);
bool IsTopLevelWindowKind(int itemKind);
bool IsChildWindowKind(int itemKind);
// Window kinds whose children lie in a contents section, nested containers included.
bool IsContainerWindowKind(int itemKind);
// The prefix of the default names of the kind, or null when the kind gets none.
const char* DefaultNamePrefix(int itemKind);

} // namespace mervik
