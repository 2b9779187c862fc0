// The outline core in process: tree, properties in both forms, named
// properties, editing, handle validation and the strings the library hands out.
#include <gtest/gtest.h>

#include <cstring>

#include "ItemKinds.h"
#include "Library.h"

namespace {

using namespace mervik;

class OutlineCore : public ::testing::Test {
protected:
    void SetUp() override {
        o = lib.outlines.Open("test");
        root = lib.RootItem(o);
        app = Add(root, kind::Application, "Sample");
        form = Add(app, kind::FormWindow, "frmMain");
        contents = Add(form, kind::Contents, "");
        field = Add(contents, kind::DataField, "dfName: comment");
        button = Add(contents, kind::PushButton, "pbOk");
        liveAtStart = lib.strings.LiveCallerStrings();
    }
    void TearDown() override {
        lib.CloseOutline(o);
        EXPECT_EQ(liveAtStart, lib.strings.LiveCallerStrings());
    }
    uint32_t Add(uint32_t parent, int itemKind, const char* text) {
        uint32_t item = lib.InsertItem(o, parent, lib.LastChild(o, parent), itemKind);
        EXPECT_NE(0u, item);
        EXPECT_TRUE(lib.SetItemText(o, item, text, 1));
        return item;
    }
    std::string Text(uint32_t item, int mode = 1) {
        uint32_t h = 0;
        if (!lib.ItemText(o, item, mode, &h))
            return "<none>";
        return lib.strings.TextOf(h);
    }

    Library& lib = TheLibrary();
    uint32_t o = 0, root = 0, app = 0, form = 0, contents = 0, field = 0, button = 0;
    std::size_t liveAtStart = 0;
};

TEST_F(OutlineCore, NavigatesTheTreeBothWays) {
    EXPECT_EQ(app, lib.FirstChild(o, root));
    EXPECT_EQ(field, lib.FirstChild(o, contents));
    EXPECT_EQ(button, lib.LastChild(o, contents));
    EXPECT_EQ(button, lib.NextSibling(o, field));
    EXPECT_EQ(field, lib.PreviousSibling(o, button));
    EXPECT_EQ(0u, lib.NextSibling(o, button));
    EXPECT_EQ(contents, lib.Parent(o, field));
    EXPECT_EQ(0u, lib.Parent(o, root));
    EXPECT_EQ(kind::DataField, lib.ItemKind(o, field));
    EXPECT_TRUE(lib.CheckLinks(o));
}

TEST_F(OutlineCore, ItemTextAndNameAreLibraryKeptWithoutAHandle) {
    EXPECT_EQ("dfName: comment", Text(field));
    EXPECT_EQ("dfName", Text(field, 0));
    EXPECT_EQ("<none>", Text(field, 2));
    // Into a caller's string: the caller owns and frees it.
    uint32_t h = 0;
    ASSERT_TRUE(lib.SetStringSize(&h, 1));
    ASSERT_TRUE(lib.ItemText(o, button, 1, &h));
    uint32_t length = 0;
    EXPECT_STREQ("pbOk", lib.LockString(h, &length));
    EXPECT_EQ(5u, length);
    EXPECT_TRUE(lib.strings.Free(h));
}

TEST_F(OutlineCore, NumberedPropertyHeldOnTheItemOrAsSubItem) {
    ASSERT_TRUE(lib.SetItemProperty(o, field, kind::Left, "0.5", 1));
    uint32_t title = Add(form, kind::Title, "Customer");

    EXPECT_EQ(field, lib.FindSubItem(o, field, kind::Left));
    EXPECT_EQ(title, lib.FindSubItem(o, form, kind::Title));
    EXPECT_EQ(0u, lib.FindSubItem(o, form, kind::Left));

    uint32_t h = 0;
    ASSERT_TRUE(lib.ItemProperty(o, field, kind::Left, 0, &h));
    EXPECT_EQ("0.5", lib.strings.TextOf(h));
    EXPECT_TRUE(lib.strings.Free(h));
    // Flag 1: the library keeps the string; the caller cannot free it.
    h = 0;
    ASSERT_TRUE(lib.ItemProperty(o, form, kind::Title, 1, &h));
    EXPECT_EQ("Customer", lib.strings.TextOf(h));
    EXPECT_FALSE(lib.strings.Free(h));

    // Writing a property held by a sub-item writes the sub-item's text.
    ASSERT_TRUE(lib.SetItemProperty(o, form, kind::Title, "Customers", 1));
    EXPECT_EQ("Customers", Text(title));
    EXPECT_EQ(nullptr, lib.outlines.FindItem(o, form)->FindNumbered(kind::Title));
}

TEST_F(OutlineCore, NamedPropertiesAreByteBlocksOfTheirStoredLength) {
    const char value[] = {'Y', 'E', 'S', '\0', 'x'};
    ASSERT_TRUE(lib.SetNamedProperty(o, field, "DATASOURCE", value, 4));
    uint32_t h = 0;
    ASSERT_TRUE(lib.NamedProperty(o, field, "DATASOURCE", &h));
    uint32_t length = 0;
    const char* text = lib.LockString(h, &length);
    EXPECT_EQ(4u, length);
    EXPECT_EQ(0, std::memcmp(text, value, 4));
    EXPECT_TRUE(lib.strings.Free(h));

    const char binary[] = {'\x01', '\0', '\xFF'};
    ASSERT_TRUE(lib.SetNamedProperty(o, field, "DATASOURCE", binary, 3));
    h = 0;
    ASSERT_TRUE(lib.NamedProperty(o, field, "DATASOURCE", &h));
    text = lib.LockString(h, &length);
    EXPECT_EQ(3u, length);
    EXPECT_EQ(0, std::memcmp(text, binary, 3));
    EXPECT_EQ('\0', text[3]); // a guard NUL beyond the block
    EXPECT_TRUE(lib.strings.Free(h));

    EXPECT_TRUE(lib.RemoveNamedProperty(o, field, "DATASOURCE"));
    EXPECT_FALSE(lib.RemoveNamedProperty(o, field, "DATASOURCE"));
    h = 0;
    EXPECT_FALSE(lib.NamedProperty(o, field, "DATASOURCE", &h));
    EXPECT_EQ(0u, h);
    // A value that does not fit the 16-bit length is refused, not cut.
    std::string big(0x10000, 'x');
    EXPECT_FALSE(lib.SetNamedProperty(o, field, "BIG", big.data(), 0x10000));
    EXPECT_FALSE(lib.SetNamedProperty(o, field, "", value, 4));
    EXPECT_FALSE(lib.SetNamedProperty(o, field, "NULL", nullptr, 4));
}

TEST_F(OutlineCore, FindsNamedChildrenByTheCutName) {
    uint32_t actions = Add(form, kind::MessageActions, "");
    uint32_t comment = Add(actions, kind::Comment, "DVM_Create");
    uint32_t create = Add(actions, kind::MessageAction, "DVM_Create ! on creation");
    (void)comment;
    EXPECT_EQ(create, lib.FindNamedChild(o, form, kind::MessageActions, "DVM_Create"));
    EXPECT_EQ(field, lib.FindNamedChild(o, contents, 0, "dfName"));
    EXPECT_EQ(0u, lib.FindNamedChild(o, contents, 0, "dfname"));
    EXPECT_EQ(0u, lib.FindNamedChild(o, form, 999, "dfName"));
    EXPECT_EQ(0u, lib.FindNamedChild(o, form, 0, nullptr));
}

TEST_F(OutlineCore, InsertsAfterAChildOrFirstAndRefusesAForeignAfter) {
    uint32_t first = lib.InsertItem(o, contents, 0, kind::CheckBox);
    EXPECT_EQ(first, lib.FirstChild(o, contents));
    uint32_t middle = lib.InsertItem(o, contents, field, kind::CheckBox);
    EXPECT_EQ(middle, lib.NextSibling(o, field));
    EXPECT_EQ(button, lib.NextSibling(o, middle));
    EXPECT_EQ(0u, lib.InsertItem(o, contents, form, kind::CheckBox));
    EXPECT_EQ(0u, lib.InsertItem(o, contents, 0, 0));
    EXPECT_TRUE(lib.CheckLinks(o));
}

TEST_F(OutlineCore, CopiesAWholeSubtreeAfterAnItemEvenIntoItself) {
    uint32_t copy = lib.CopyItem(o, form, o, app, form);
    ASSERT_NE(0u, copy);
    EXPECT_EQ(copy, lib.NextSibling(o, form));
    uint32_t copiedContents = lib.FirstChild(o, copy);
    EXPECT_EQ(kind::Contents, lib.ItemKind(o, copiedContents));
    EXPECT_EQ("dfName: comment", Text(lib.FirstChild(o, copiedContents)));
    EXPECT_NE(field, lib.FirstChild(o, copiedContents));

    // Into its own subtree: the copy holds the original's children only.
    uint32_t inner = lib.CopyItem(o, contents, o, contents, button);
    ASSERT_NE(0u, inner);
    EXPECT_EQ(inner, lib.LastChild(o, contents));
    EXPECT_EQ(0u, lib.NextSibling(o, lib.NextSibling(o, lib.FirstChild(o, inner))));
    EXPECT_TRUE(lib.CheckLinks(o));
}

TEST_F(OutlineCore, DeletedItemsAndTheirSubtreeStayInvalid) {
    ASSERT_TRUE(lib.DeleteItem(o, contents));
    for (uint32_t gone : {contents, field, button}) {
        EXPECT_EQ(0, lib.ItemKind(o, gone));
        EXPECT_EQ(0u, lib.NextSibling(o, gone));
        EXPECT_FALSE(lib.DeleteItem(o, gone));
        uint32_t h = 0;
        EXPECT_FALSE(lib.ItemText(o, gone, 1, &h));
    }
    EXPECT_EQ(0u, lib.FirstChild(o, form));
    // A new item never takes a deleted item's handle.
    uint32_t fresh = Add(form, kind::Contents, "");
    EXPECT_GT(fresh, button);
    EXPECT_FALSE(lib.DeleteItem(o, root));
    EXPECT_TRUE(lib.CheckLinks(o));
}

TEST_F(OutlineCore, ItemsOfAnotherOrClosedOutlineAreRefused) {
    uint32_t other = lib.outlines.Open("other");
    EXPECT_EQ(0, lib.ItemKind(other, field));
    EXPECT_EQ(0u, lib.InsertItem(other, field, 0, kind::DataField));
    EXPECT_EQ(other, lib.CurrentOutline());
    ASSERT_TRUE(lib.CloseOutline(other));
    EXPECT_EQ(0u, lib.CurrentOutline());
    EXPECT_EQ(0u, lib.RootItem(other));
    EXPECT_FALSE(lib.CloseOutline(other));
}

TEST_F(OutlineCore, DefaultNamesTakeTheSmallestFreeNumberInTheTopWindow) {
    lib.SetItemText(o, field, "df1", 1);
    uint32_t second = Add(contents, kind::DataField, "");
    uint32_t third = Add(contents, kind::DataField, "");
    ASSERT_TRUE(lib.SetDefaultName(o, second));
    EXPECT_EQ("df2", Text(second));
    ASSERT_TRUE(lib.SetDefaultName(o, third));
    EXPECT_EQ("df3", Text(third));
    ASSERT_TRUE(lib.SetDefaultName(o, button));
    EXPECT_EQ("pb1", Text(button));
    EXPECT_FALSE(lib.SetDefaultName(o, contents));
}

TEST_F(OutlineCore, ChildKindsOfTypeNamesAndClassNames) {
    uint32_t classes = Add(app, kind::ClassDefinitions, "");
    Add(classes, 246, "clsCustomer");
    lib.outlines.current = o;
    struct Case {
        int parent;
        const char* typeName;
        int expected;
    } cases[] = {
        {223, "Number", 172},      {223, "String", 206},
        {223, "Long String", 154}, {223, "Date/Time", 58},
        {138, "Boolean", 37},      {223, "clsCustomer", 261},
        {223, "clsUnknown", 0},    {29, "Form Window", 1},
        {29, "Dialog Box", 66},    {244, "Form Window Class", 246},
        {29, "clsCustomer", 0},    {223, "", 0},
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.expected, lib.ChildKind(c.parent, c.typeName)) << c.typeName;
    EXPECT_EQ(0, lib.ChildKind(223, nullptr));
}

TEST_F(OutlineCore, ProtectionModesAndModificationMarks) {
    EXPECT_FALSE(lib.IsItemProtected(o, form));
    lib.outlines.FindItem(o, form)->isProtected = true;
    EXPECT_TRUE(lib.IsItemProtected(o, form));
    EXPECT_FALSE(lib.SetOutlineMode(o, true));
    EXPECT_TRUE(lib.SetOutlineMode(o, false));
    EXPECT_TRUE(lib.MarkItemModified(o, field, 1));
    EXPECT_EQ(1u, lib.outlines.FindItem(o, field)->modifiedFlags);
    EXPECT_TRUE(lib.SetItemClass(o, field, "cCustom"));
    EXPECT_EQ(field, lib.FindSubItem(o, field, kind::ClassName));
    EXPECT_FALSE(lib.SetItemClass(o, field, nullptr));
}

TEST_F(OutlineCore, ClassAndLibraryUpdatesAnswerOnlyForTheirKinds) {
    uint32_t classes = Add(app, kind::ClassDefinitions, "");
    uint32_t definition = Add(classes, 246, "clsCustomer");
    uint32_t include = Add(app, kind::LibraryInclude, "vtcics.apl");
    unsigned updates = lib.classUpdates, refreshes = lib.libraryRefreshes;
    EXPECT_TRUE(lib.UpdateClassDefinition(o, definition));
    EXPECT_FALSE(lib.UpdateClassDefinition(o, include));
    EXPECT_TRUE(lib.RefreshLibrary(o, include));
    EXPECT_FALSE(lib.RefreshLibrary(o, definition));
    EXPECT_EQ(updates + 1, lib.classUpdates);
    EXPECT_EQ(refreshes + 1, lib.libraryRefreshes);

    unsigned notifications = lib.outlines.FindOutline(o)->notifications;
    EXPECT_TRUE(lib.NotifyItemChanged(o, field, kind::Title));
    EXPECT_FALSE(lib.NotifyItemChanged(o, 0, kind::Title));
    EXPECT_EQ(notifications + 1, lib.outlines.FindOutline(o)->notifications);
    EXPECT_TRUE(lib.CheckLinks(o));
    EXPECT_TRUE(lib.CheckKinds(o));
    EXPECT_FALSE(lib.CheckLinks(0));
    EXPECT_FALSE(lib.CheckKinds(0));
}

TEST_F(OutlineCore, EditBracketsTellOpenFromClosed) {
    EXPECT_FALSE(lib.IsEditOpen(o));
    EXPECT_EQ(0u, lib.EditMark(field)); // no bracket, no mark
    ASSERT_TRUE(lib.edit.Open());
    EXPECT_FALSE(lib.edit.Open());
    EXPECT_TRUE(lib.IsEditOpen(o));
    EXPECT_FALSE(lib.IsEditOpen(0));
    uint32_t mark = lib.EditMark(field);
    ASSERT_NE(0u, mark);
    EXPECT_EQ(0u, lib.EditMark(0));
    EXPECT_FALSE(lib.edit.Close(mark + 1));
    EXPECT_TRUE(lib.edit.Close(mark));
    EXPECT_FALSE(lib.edit.Close(mark));
    unsigned completed = lib.edit.Completed();
    EXPECT_TRUE(lib.edit.End());
    EXPECT_FALSE(lib.edit.End());
    EXPECT_EQ(completed + 1, lib.edit.Completed());
    EXPECT_FALSE(lib.IsEditOpen(o));
}

TEST_F(OutlineCore, StatementsParseToCanonicalTextAndKind) {
    uint32_t before = lib.strings.LiveCallerStrings();
    struct Case {
        const char* line;
        int kind;
        const char* text; // null: refused
    } cases[] = {
        {"Set  nCount=nCount + 1 ", kind::Set, "nCount = nCount + 1"},
        {"set m_hWndSource = hWndForm", kind::Set, "m_hWndSource = hWndForm"},
        {"Call DovSendClassMessage(DVM_Create, 0, 0 )", kind::Call,
         "DovSendClassMessage(DVM_Create, 0, 0 )"},
        {"! generated", kind::Comment, "generated"},
        {"If bOk", kind::If, "bOk"},
        {"Else If nCount > 1", kind::ElseIf, "nCount > 1"},
        {"Else", kind::Else, ""},
        {"Return", kind::Return, ""},
        {"Set = 1", 0, nullptr},
        {"Set x", 0, nullptr},
        {"Call f(1", 0, nullptr},
        {"Call 'x'", 0, nullptr},
        {"If", 0, nullptr},
        {"Frobnicate x", 0, nullptr},
        {"Set s = 'open", 0, nullptr},
        {"Set x = 1\nSet y = 2", 0, nullptr},
        {"", 0, nullptr},
    };
    for (const Case& c : cases) {
        int statementKind = -1;
        uint32_t h = lib.ParseStatement(c.line, o, field, &statementKind);
        if (c.text == nullptr) {
            EXPECT_EQ(0u, h) << c.line;
            EXPECT_EQ(-1, statementKind) << c.line;
        } else {
            ASSERT_NE(0u, h) << c.line;
            EXPECT_EQ(c.text, lib.strings.TextOf(h)) << c.line;
            EXPECT_EQ(c.kind, statementKind) << c.line;
        }
    }
    EXPECT_EQ(0u, lib.ParseStatement("Set x = 1", o, 0, nullptr));
    EXPECT_EQ(before, lib.strings.LiveCallerStrings());
}

} // namespace
