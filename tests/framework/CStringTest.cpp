// The framework string: ownership, searches over double-byte text, cuts,
// formatting and the string table.
#include <gtest/gtest.h>

#include <clocale>

#include "AfxCodePage.h"
#include "AfxModule.h"
#include "CString.h"
#include "FrameworkTestIds.h"

namespace {

TEST(CString, NullGivesEmptyAndCopiesNeverShareABuffer) {
    CString empty(static_cast<const char*>(nullptr));
    EXPECT_TRUE(empty.IsEmpty());
    EXPECT_STREQ("", empty);

    CString original("abc");
    CString copy(original);
    CString assigned;
    assigned = original;
    EXPECT_NE(static_cast<const char*>(original), static_cast<const char*>(copy));
    EXPECT_NE(static_cast<const char*>(original), static_cast<const char*>(assigned));
    copy.GetBuffer(3)[0] = 'X';
    copy.ReleaseBuffer();
    EXPECT_STREQ("abc", original);
    EXPECT_STREQ("Xbc", copy);

    original = original; // self-assignment keeps the text
    original += original;
    EXPECT_STREQ("abcabc", original);
    EXPECT_EQ(6, original.GetLength());
}

TEST(CString, ConcatenationComparisonAndCase) {
    CString s = CString("ab") + "cd" + 'e';
    s = "<" + s;
    EXPECT_STREQ("<abcde", s);
    EXPECT_TRUE(s == "<abcde");
    EXPECT_TRUE(CString("B") != "b");
    EXPECT_LT(CString("B").Compare("b"), 0); // byte-wise: upper case sorts first
    EXPECT_EQ(0, CString("MiXed").CompareNoCase("mIxEd"));
    EXPECT_NE(0, CString("abc").CompareNoCase("abd"));
    s.MakeUpper();
    EXPECT_STREQ("<ABCDE", s);
    s.Empty();
    EXPECT_TRUE(s.IsEmpty());
    EXPECT_STREQ("", s);
}

TEST(CString, BufferGrowsKeepsTextAndReleaseTakesTheNewLength) {
    CString s("ab");
    char* buffer = s.GetBuffer(100);
    EXPECT_STREQ("ab", buffer);
    lstrcpyA(buffer, "a much longer text");
    s.ReleaseBuffer();
    EXPECT_EQ(18, s.GetLength());
    s.GetBuffer(0);
    s.ReleaseBuffer(1);
    EXPECT_STREQ("a", s);
}

TEST(CString, SearchesAndCutsOnSingleByteText) {
    CString s("one:two!three");
    EXPECT_EQ(3, s.Find(':'));
    EXPECT_EQ(-1, s.Find(':', 4));
    EXPECT_EQ(7, s.Find('!', 3));
    EXPECT_EQ(4, s.Find("two"));
    EXPECT_EQ(-1, s.Find("two", 5));
    EXPECT_EQ(-1, s.Find('x'));
    EXPECT_EQ(12, s.ReverseFind('e'));
    EXPECT_STREQ("one", s.Left(s.Find(':')));
    EXPECT_STREQ("three", s.Right(5));
    EXPECT_STREQ("two", s.Mid(4, 3));
    EXPECT_STREQ("two!three", s.Mid(4));
    // Out-of-range counts are clamped, never read past the text.
    EXPECT_STREQ("", s.Left(-1));
    EXPECT_STREQ("one:two!three", s.Left(99));
    EXPECT_STREQ("one:two!three", s.Right(99));
    EXPECT_STREQ("", s.Mid(99, 2));
    EXPECT_STREQ("three", s.Mid(8, 99));
}

TEST(CString, ReplaceCharactersAndTexts) {
    CString s("a-b-c");
    EXPECT_EQ(2, s.Replace('-', '+'));
    EXPECT_STREQ("a+b+c", s);
    EXPECT_EQ(2, s.Replace("+", "<>"));
    EXPECT_STREQ("a<>b<>c", s);
    EXPECT_EQ(1, s.Replace("a<>", ""));
    EXPECT_STREQ("b<>c", s);
    EXPECT_EQ(0, s.Replace("zz", "y"));
    EXPECT_EQ(0, s.Replace("", "y"));
    EXPECT_STREQ("b<>c", s);
}

// Under Shift-JIS (code page 932) 0x95 0x5C is one character whose trail byte
// is the backslash: a search for '\\' must skip it.
class DoubleByteText : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(IsDBCSLeadByteEx(932, 0x95)) << "code page 932 is not available";
        AfxSetAnsiCodePage(932);
    }
    void TearDown() override { AfxSetAnsiCodePage(0); }
    // "a", the double-byte character, a real backslash, "b", the character again.
    CString text{"a\x95\x5C\\b\x95\x5C"};
};

TEST_F(DoubleByteText, SearchesNeverMatchATrailByte) {
    EXPECT_EQ(3, text.Find('\\'));
    EXPECT_EQ(-1, text.Find('\\', 4));
    EXPECT_EQ(3, text.ReverseFind('\\'));
    EXPECT_EQ(3, text.Find("\\"));
    EXPECT_EQ(3, text.Find("\\b"));
    EXPECT_EQ(1, text.Find("\x95\x5C"));
    EXPECT_EQ(5, text.Find("\x95\x5C", 2));
    EXPECT_EQ(-1, CString("\x95\x5C").Find('\\'));
}

TEST_F(DoubleByteText, CutsAtTheSearchedCharacterKeepWholeCharacters) {
    // Cutting before the first separator, as the kit cuts item texts.
    EXPECT_STREQ("a\x95\x5C", text.Left(text.Find('\\')));
    EXPECT_EQ(1, text.Replace('\\', '/'));
    EXPECT_STREQ("a\x95\x5C/b\x95\x5C", text);
    // A lead byte cut off at the end stays a byte of its own.
    CString cut("x\x95");
    EXPECT_EQ(-1, cut.Find('\\'));
    EXPECT_EQ(1, cut.Find("\x95"));
}

TEST_F(DoubleByteText, CaseChangesLeaveDoubleByteCharactersWhole) {
    // 0x82 0x61 is one character whose trail byte is 'a'.
    CString s("a\x82\x61z");
    s.MakeUpper();
    EXPECT_STREQ("A\x82\x61Z", s);
    EXPECT_EQ(0, s.CompareNoCase("a\x82\x61z"));
    EXPECT_NE(0, s.CompareNoCase("a\x82\x41z"));
    s.MakeLower();
    EXPECT_STREQ("a\x82\x61z", s);
}

TEST(CString, FormatWritesPointAsDecimalPointWhateverTheLocale) {
    struct Case {
        const char* expected;
        CString actual;
    };
    CString f, i, u, lu, s;
    f.Format("%f", 1.5);
    i.Format("%i/%d", -42, 7);
    u.Format("%u", 4000000000u);
    lu.Format("%lu", 4000000001ul);
    s.Format("[%s|%5s|%-3s]", "x", "ab", "c");
    for (const Case& c : {Case{"1.500000", f}, Case{"-42/7", i}, Case{"4000000000", u},
                          Case{"4000000001", lu}, Case{"[x|   ab|c  ]", s}})
        EXPECT_STREQ(c.expected, c.actual);

    if (std::setlocale(LC_ALL, "German_Germany.1252") != nullptr) {
        char crt[32];
        std::snprintf(crt, sizeof crt, "%f", 1.5);
        f.Format("%f", 1.5);
        std::setlocale(LC_ALL, "C");
        EXPECT_STREQ("1.500000", f) << "the runtime itself wrote " << crt;
    }
    CString self("abc");
    self.Format("%s-%s", static_cast<const char*>(self), "d");
    EXPECT_STREQ("abc-d", self);
}

TEST(CString, LoadStringFromTheModulesStringTable) {
    AfxDllAttach(GetModuleHandleA(nullptr));
    CString s("previous");
    EXPECT_TRUE(s.LoadString(IDS_GREETING));
    EXPECT_STREQ("Hello, designer", s);
    EXPECT_TRUE(s.LoadString(IDS_LONG));
    EXPECT_EQ(255, s.GetLength());
    EXPECT_FALSE(s.LoadString(IDS_ABSENT));
    EXPECT_TRUE(s.IsEmpty());
}

} // namespace
