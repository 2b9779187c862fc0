#include <gtest/gtest.h>

#include <map>
#include <string>

#include "CMapStringToPtr.h"
#include "CString.h"

namespace {

std::map<std::string, void*> Contents(const CMapStringToPtr& map) {
    std::map<std::string, void*> out;
    POSITION pos = map.GetStartPosition();
    while (pos != nullptr) {
        const char* key = nullptr;
        void* value = nullptr;
        map.GetNextAssoc(pos, key, value);
        EXPECT_TRUE(out.emplace(key, value).second) << "key visited twice: " << key;
    }
    return out;
}

void* P(int n) {
    return reinterpret_cast<void*>(static_cast<INT_PTR>(n));
}

TEST(CMapStringToPtr, SetLookupReplaceAndRemove) {
    CMapStringToPtr map(10);
    EXPECT_EQ(10, map.GetBlockSize());
    EXPECT_TRUE(map.IsEmpty());
    void* value = P(99);
    EXPECT_FALSE(map.Lookup("CUSTNO", value));
    EXPECT_EQ(P(99), value) << "a failed lookup leaves the out value";

    map.SetAt("CUSTNO", P(1));
    map.SetAt("custno", P(2)); // keys are case-sensitive
    map.SetAt("CUSTNO", P(3)); // replaces
    EXPECT_EQ(2, map.GetCount());
    ASSERT_TRUE(map.Lookup("CUSTNO", value));
    EXPECT_EQ(P(3), value);
    ASSERT_TRUE(map.Lookup("custno", value));
    EXPECT_EQ(P(2), value);

    EXPECT_TRUE(map.RemoveKey("custno"));
    EXPECT_FALSE(map.RemoveKey("custno"));
    EXPECT_FALSE(map.Lookup("custno", value));
    EXPECT_FALSE(map.Lookup(nullptr, value));
    EXPECT_FALSE(map.RemoveKey(nullptr));
    EXPECT_EQ(1, map.GetCount());
}

TEST(CMapStringToPtr, KeysAreCopiedIntoTheMap) {
    CMapStringToPtr map;
    char key[] = "NAME";
    map.SetAt(key, P(1));
    key[0] = 'G';
    void* value = nullptr;
    EXPECT_TRUE(map.Lookup("NAME", value));
    EXPECT_FALSE(map.Lookup("GAME", value));
}

TEST(CMapStringToPtr, ManyKeysAcrossBlocksIterateOnceEachAndSurviveRemoval) {
    CMapStringToPtr map(10);
    std::map<std::string, void*> expected;
    for (int i = 0; i < 250; ++i) {
        std::string key = "ITEM" + std::to_string(i);
        map.SetAt(key.c_str(), P(i + 1));
        expected[key] = P(i + 1);
    }
    EXPECT_EQ(250, map.GetCount());
    EXPECT_EQ(expected, Contents(map));
    for (int i = 0; i < 250; i += 3) {
        std::string key = "ITEM" + std::to_string(i);
        EXPECT_TRUE(map.RemoveKey(key.c_str()));
        expected.erase(key);
    }
    map["NEW"] = P(7); // freed records are reused
    expected["NEW"] = P(7);
    EXPECT_EQ(expected, Contents(map));
    map.RemoveAll();
    EXPECT_TRUE(Contents(map).empty());
    EXPECT_EQ(nullptr, map.GetStartPosition());
    map.SetAt("AGAIN", P(1));
    EXPECT_EQ(1u, Contents(map).size());
}

TEST(CMapStringToPtr, EmptyKeyIsAKeyAndSubscriptMakesNullEntries) {
    CMapStringToPtr map;
    EXPECT_EQ(nullptr, map["ABSENT"]);
    EXPECT_EQ(1, map.GetCount());
    map.SetAt("", P(5));
    void* value = nullptr;
    EXPECT_TRUE(map.Lookup("", value));
    EXPECT_EQ(P(5), value);
}

TEST(CMapStringToPtr, StringKeysGoInAndComeOutAsStrings) {
    CMapStringToPtr map;
    CString key("JOINTRAN");
    map.SetAt(key, P(1));
    map.SetAt(CString("DATASOURCE"), P(2));
    void* value = nullptr;
    EXPECT_TRUE(map.Lookup(key, value));
    EXPECT_EQ(P(1), value);

    std::map<std::string, void*> seen;
    for (POSITION pos = map.GetStartPosition(); pos != nullptr;) {
        CString name("stale");
        map.GetNextAssoc(pos, name, value);
        seen[static_cast<const char*>(name)] = value;
    }
    EXPECT_EQ(Contents(map), seen);
    EXPECT_EQ(2u, seen.size());
}

} // namespace
