// Host strings and string arrays: ownership, the live count and bad input.
#include <gtest/gtest.h>

#include <cstring>

#include "Library.h"

namespace {

using namespace mervik;

class Strings : public ::testing::Test {
protected:
    void SetUp() override { liveAtStart = lib.strings.LiveCallerStrings(); }
    void TearDown() override { EXPECT_EQ(liveAtStart, lib.strings.LiveCallerStrings()); }
    uint32_t Text(const char* text) {
        uint32_t h = 0;
        EXPECT_TRUE(lib.strings.WriteText(&h, text));
        return h;
    }
    Library& lib = TheLibrary();
    std::size_t liveAtStart = 0;
};

TEST_F(Strings, SizeLockAndFreeOnce) {
    uint32_t h = 0;
    ASSERT_TRUE(lib.SetStringSize(&h, 4));
    EXPECT_EQ(liveAtStart + 1, lib.strings.LiveCallerStrings());
    uint32_t length = 0;
    char* text = lib.LockString(h, &length);
    ASSERT_NE(nullptr, text);
    EXPECT_EQ(4u, length);
    std::strcpy(text, "abc");
    ASSERT_TRUE(lib.SetStringSize(&h, 10)); // resizing keeps the text
    EXPECT_STREQ("abc", lib.LockString(h, &length));
    EXPECT_EQ(10u, length);
    EXPECT_TRUE(lib.strings.Free(h));
    EXPECT_FALSE(lib.strings.Free(h)); // freed twice
    EXPECT_EQ(nullptr, lib.LockString(h, &length));
    EXPECT_EQ(0u, length);
    EXPECT_FALSE(lib.SetStringSize(&h, 4)); // a stale handle is not revived
    EXPECT_FALSE(lib.SetStringSize(nullptr, 4));
    uint32_t absurd = 0;
    EXPECT_FALSE(lib.SetStringSize(&absurd, 0xFFFFFFFFu));
    EXPECT_EQ(0u, absurd);
}

TEST_F(Strings, LibraryKeptStringsCannotBeFreedByTheCaller) {
    uint32_t source = Text("cust_no  three");
    uint32_t converted = lib.ConvertText(source);
    EXPECT_EQ("Cust_no  Three", lib.strings.TextOf(converted));
    EXPECT_FALSE(lib.strings.Free(converted));
    EXPECT_EQ(0u, lib.ConvertText(0));
    uint32_t returns = lib.StringById(138);
    EXPECT_EQ("Returns", lib.strings.TextOf(returns));
    EXPECT_EQ(returns, lib.StringById(138));
    EXPECT_EQ(0u, lib.StringById(-5));
    uint32_t name = 0;
    ASSERT_TRUE(lib.KindName(174, &name));
    EXPECT_EQ("On", lib.strings.TextOf(name));
    EXPECT_FALSE(lib.strings.Free(name));
    EXPECT_FALSE(lib.KindName(9999, &name));
    EXPECT_TRUE(lib.strings.Free(source));

    uint32_t prepared = lib.PrepareItemText("  dfCUSTNO \r\nrest");
    EXPECT_EQ("dfCUSTNO", lib.strings.TextOf(prepared));
    EXPECT_TRUE(lib.strings.Free(prepared)); // prepared texts are the caller's
    EXPECT_EQ(0u, lib.PrepareItemText(nullptr));
}

TEST_F(Strings, ArraysOwnTheirStringsAndRefuseBadIndexes) {
    uint32_t a = lib.strings.CreateArray(5);
    ASSERT_NE(0u, a);
    ASSERT_TRUE(lib.strings.ResizeArray(a, 0, 2));
    uint32_t first = Text("CUSTNO");
    ASSERT_TRUE(lib.strings.SetArrayString(a, first, 0));
    EXPECT_FALSE(lib.strings.Free(first)); // the array owns it now
    uint32_t spare = Text("spare");
    for (int bad : {-1, 2, 1 << 30})
        EXPECT_FALSE(lib.strings.SetArrayString(a, spare, bad)) << bad;
    EXPECT_TRUE(lib.strings.Free(spare)); // a refused string stays the caller's

    uint32_t h = 0;
    ASSERT_TRUE(lib.strings.GetArrayString(a, &h, 0));
    EXPECT_EQ(first, h);
    uint32_t copy = Text("");
    ASSERT_TRUE(lib.strings.GetArrayString(a, &copy, 0));
    EXPECT_EQ("CUSTNO", lib.strings.TextOf(copy));
    EXPECT_TRUE(lib.strings.Free(copy));
    h = 0;
    EXPECT_FALSE(lib.strings.GetArrayString(a, &h, 1)); // an empty slot
    EXPECT_FALSE(lib.strings.GetArrayString(a, &h, 2));
    EXPECT_FALSE(lib.strings.GetArrayString(a, nullptr, 0));

    EXPECT_FALSE(lib.strings.ResizeArray(a, 0, -1));
    EXPECT_FALSE(lib.strings.ResizeArray(a, 0, 0x7FFFFFFF));
    EXPECT_EQ(0u, lib.strings.CreateArray(0x7FFFFFFF));
    EXPECT_EQ(0u, lib.strings.CreateArray(-1));
    ASSERT_TRUE(lib.strings.ResizeArray(a, 0, 0)); // shrinking frees what falls off
    EXPECT_EQ(nullptr, lib.strings.Find(first));

    ASSERT_TRUE(lib.strings.DestroyArray(a));
    EXPECT_FALSE(lib.strings.DestroyArray(a));
    EXPECT_FALSE(lib.strings.ResizeArray(a, 0, 1));
    EXPECT_FALSE(lib.strings.DestroyArray(0));
}

TEST_F(Strings, DestroyingAnArrayFreesItsStrings) {
    uint32_t a = lib.strings.CreateArray(3);
    uint32_t kept[3];
    for (int i = 0; i < 3; ++i) {
        kept[i] = Text("x");
        ASSERT_TRUE(lib.strings.SetArrayString(a, kept[i], i));
    }
    // Replacing a slot frees the string it held.
    uint32_t replacement = Text("y");
    ASSERT_TRUE(lib.strings.SetArrayString(a, replacement, 1));
    EXPECT_EQ(nullptr, lib.strings.Find(kept[1]));
    ASSERT_TRUE(lib.strings.DestroyArray(a));
    for (uint32_t h : {kept[0], kept[2], replacement})
        EXPECT_EQ(nullptr, lib.strings.Find(h));
}

} // namespace
