// Outline text files: a byte-for-byte round trip of every form, and malformed
// texts refused with their line number and nothing kept.
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

#include "ItemKinds.h"
#include "Library.h"
#include "OutlineFile.h"
#include "OutlinePrinter.h"
#include "TestPaths.h"

namespace {

using namespace mervik;

std::string ReadFixture(const std::string& name) {
    std::ifstream file(BinaryFolder() + "fixtures\\" + name, std::ios::binary);
    EXPECT_TRUE(file) << name;
    return std::string((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
}

TEST(OutlineFile, EveryFormRoundTripsByteForByte) {
    Library& lib = TheLibrary();
    std::string text = ReadFixture("every_form.outline");
    ASSERT_FALSE(text.empty());
    LoadResult loaded = LoadOutline(lib.outlines, text, "every_form");
    ASSERT_NE(0u, loaded.outline) << loaded.line << ": " << loaded.message;
    Outline& outline = *lib.outlines.FindOutline(loaded.outline);
    EXPECT_EQ(text, SaveOutline(outline));

    // What was read is what the operations answer.
    uint32_t o = loaded.outline;
    uint32_t app = lib.FirstChild(o, outline.root->handle);
    EXPECT_TRUE(lib.IsItemProtected(o, app));
    uint32_t form = lib.FindNamedChild(o, app, 0, "frmOrders");
    ASSERT_NE(0u, form);
    uint32_t h = 0;
    ASSERT_TRUE(lib.ItemProperty(o, form, kind::Left, 1, &h));
    EXPECT_EQ("0.5\"", lib.strings.TextOf(h));
    ASSERT_TRUE(lib.ItemProperty(o, form, kind::Title, 1, &h));
    EXPECT_EQ("Orders of the day", lib.strings.TextOf(h));
    uint32_t field = lib.FindNamedChild(o, form, kind::Contents, "dfCustNo");
    h = 0;
    ASSERT_TRUE(lib.NamedProperty(o, field, "RAW", &h));
    uint32_t length = 0;
    const char* raw = lib.LockString(h, &length);
    ASSERT_EQ(4u, length);
    EXPECT_EQ(std::string("\x01\x02\0\xFF", 4), std::string(raw, 4));
    EXPECT_TRUE(lib.strings.Free(h));
    EXPECT_NE(0u, lib.FindNamedChild(o, form, kind::Contents, "numbered"));

    // Built in memory and saved, then loaded again: the same text.
    std::string printed = PrintOutline(outline);
    EXPECT_NE(std::string::npos, printed.find("\n      On DVM_Create\n"));
    EXPECT_NE(std::string::npos, printed.find("\n      477 numbered kind without a name\n"));
    ASSERT_TRUE(lib.CloseOutline(o));
}

TEST(OutlineFile, MalformedTextsAreRefusedAtTheirLine) {
    Library& lib = TheLibrary();
    struct Case {
        const char* what;
        const char* text;
        int line;
    } cases[] = {
        {"odd indentation", "Application A\n   FormWindow f\n", 2},
        {"indentation skips a level", "Application A\n    FormWindow f\n", 2},
        {"tab indentation", "Application A\n\tFormWindow f\n", 2},
        {"unknown kind name", "Application A\n  FormWindow f\n  Gadget g\n", 3},
        {"unterminated value", "Application A\n  =63 \"open\n", 2},
        {"property line before any item", "  =63 \"x\"\nApplication A\n", 1},
        {"property line at column 0", "Application A\n=63 \"x\"\n", 2},
        {"property after children", "Application A\n  FormWindow f\n  =63 \"x\"\n", 3},
        {"unquoted value", "Application A\n  =63 x\n", 2},
        {"bad escape", "Application A\n  @\"N\" \"\\q\"\n", 2},
        {"half a hex escape", "Application A\n  @\"N\" \"\\x4\"\n", 2},
        {"text after the value", "Application A\n  =63 \"x\" y\n", 2},
        {"property twice", "Application A\n  =63 \"x\"\n  =63 \"y\"\n", 3},
        {"empty line", "Application A\n\nFormWindow f\n", 2},
        {"no final line end", "Application A\nFormWindow f", 2},
        {"unknown flag", "Application A\n  #locked\n", 2},
        {"quote in a text", "Application A \"x\"\n", 1},
    };
    uint32_t current = lib.outlines.Open("current");
    std::size_t itemsBefore = lib.outlines.LiveItems();
    for (const Case& c : cases) {
        LoadResult result = LoadOutline(lib.outlines, c.text, c.what);
        EXPECT_EQ(0u, result.outline) << c.what;
        EXPECT_EQ(c.line, result.line) << c.what << ": " << result.message;
        EXPECT_FALSE(result.message.empty()) << c.what;
        EXPECT_EQ(itemsBefore, lib.outlines.LiveItems()) << c.what;
    }
    EXPECT_EQ(current, lib.CurrentOutline());
    lib.CloseOutline(current);
}

TEST(OutlineFile, AnEmptyTextIsAnEmptyOutline) {
    Library& lib = TheLibrary();
    LoadResult result = LoadOutline(lib.outlines, "", "empty");
    ASSERT_NE(0u, result.outline);
    EXPECT_EQ("", SaveOutline(*lib.outlines.FindOutline(result.outline)));
    EXPECT_TRUE(lib.CloseOutline(result.outline));
}

} // namespace
