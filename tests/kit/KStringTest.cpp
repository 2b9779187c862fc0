#include "KString.h"
#include "KitFixture.h"

namespace {

class KitString : public KitFixture {};

HOSTSTR MakeHostString(const char* text) { return CKString(text).ToHandle(); }

TEST_F(KitString, FromHandleZeroOrEmptyIsEmptyAndTheHandleIsNotFreed) {
    EXPECT_TRUE(CKString(HOSTSTR(0)).IsEmpty());
    HOSTSTR empty = MakeHostString("");
    EXPECT_TRUE(CKString(empty).IsEmpty());
    CKString text("before");
    text.SetFromHandle(0);
    EXPECT_TRUE(text.IsEmpty());
    text = "before";
    text.SetFromHandle(empty);
    EXPECT_TRUE(text.IsEmpty());
    EXPECT_TRUE(HostFreeString(empty)) << "the kit string never frees a handle it reads";
}

TEST_F(KitString, ToHandleAsksForTheLengthPlusOneAndCopiesTheText) {
    const char* cases[] = {"", "abc", "two words\nand a line"};
    for (const char* text : cases) {
        HOSTSTR handle = CKString(text).ToHandle();
        ASSERT_NE(0u, handle);
        DWORD size = 0;
        const char* stored = HostLockString(handle, &size);
        EXPECT_EQ(strlen(text) + 1, size) << text;
        EXPECT_STREQ(text, stored);
        EXPECT_STREQ(text, CKString(handle));
        HostFreeString(handle);
    }
}

TEST_F(KitString, MakeLabelTextBlanksUnderscoresAndFreesOnlyWhatItMade) {
    CKString label("CUSTOMER_ORDER_NO");
    EXPECT_EQ(TRUE, label.MakeLabelText());
    // The host converts the blanked identifier; the kit keeps its answer.
    HOSTSTR made = MakeHostString("CUSTOMER ORDER NO");
    CKString expected(HostConvertText(made));
    HostFreeString(made);
    EXPECT_STREQ(expected, label);
    EXPECT_EQ(-1, label.Find('_'));
}

TEST(KitTextHelpers, TruncateAtSeparatorsKeepsTheName) {
    const struct {
        const char* text;
        const char* name;
    } cases[] = {
        {"nCount: 5", "nCount"},     {"pbOK ! the default button", "pbOK"},
        {"first second", "first"},   {"\tindented", ""},
        {"single", "single"},        {"", ""},
        {"a:b!c d\te", "a"},
    };
    for (const auto& c : cases) {
        CString text(c.text);
        TruncateAtSeparators(text);
        EXPECT_STREQ(c.name, text) << '"' << c.text << '"';
    }
}

TEST(KitTextHelpers, TruncateAtCutsBeforeTheFirstOccurrence) {
    CString text("a:b:c");
    TruncateAt(text, ':');
    EXPECT_STREQ("a", text);
    TruncateAt(text, 'x');
    EXPECT_STREQ("a", text);
    TruncateAt(text, 'a');
    EXPECT_STREQ("", text);
}

TEST(KitTextHelpers, CountLinesIsOnePlusTheLineFeeds) {
    EXPECT_EQ(1, CountLines(""));
    EXPECT_EQ(1, CountLines("one line"));
    EXPECT_EQ(3, CountLines("two\nlines\n"));
    EXPECT_EQ(1, CountLines(nullptr));
}

} // namespace
