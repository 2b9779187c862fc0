// DSEnumItems and DSEnumCommands called the way the host calls them: by
// ordinal from the loaded module, on the design windows of an outline.
#include <string>
#include <vector>

#include "KString.h"
#include "KWiringObject.h"
#include "KitFixture.h"
#include "CicsOutline.h"
#include "KorvalExports.h"
#include "TestPaths.h"

namespace {

class EnumerationEntries : public KitFixture {
protected:
    void SetUp() override {
        m_module = LoadLibraryA(KorvalPath().c_str());
        ASSERT_NE(nullptr, m_module);
        m_enumItems = reinterpret_cast<PFN_DSEnumItems>(
            reinterpret_cast<void*>(GetProcAddress(m_module, MAKEINTRESOURCEA(ORD_DSEnumItems))));
        m_enumCommands = reinterpret_cast<PFN_DSEnumCommands>(reinterpret_cast<void*>(
            GetProcAddress(m_module, MAKEINTRESOURCEA(ORD_DSEnumCommands))));
        ASSERT_TRUE(m_enumItems && m_enumCommands);
        KitFixture::SetUp();
        Load(kCicsForm);
        ASSERT_NE(nullptr, MervikOpenDesignWindows(m_outline, Find("frmMain")));
        m_list = CreateWindowExA(0, "LISTBOX", "", WS_POPUP, 0, 0, 100, 100, nullptr, nullptr,
                                 nullptr, nullptr);
        ASSERT_NE(nullptr, m_list);
    }
    void TearDown() override {
        DestroyWindow(m_list);
        KitFixture::TearDown();
        FreeLibrary(m_module);
    }
    CKWiringObject Component(const char* name) { return CKWiringObject(m_outline, Find(name)); }
    std::vector<std::string> ListBoxStrings() {
        std::vector<std::string> strings;
        int count = int(SendMessageA(m_list, LB_GETCOUNT, 0, 0));
        for (int i = 0; i < count; ++i) {
            char text[64] = {};
            SendMessageA(m_list, LB_GETTEXT, i, LPARAM(text));
            strings.push_back(text);
        }
        return strings;
    }

    HMODULE m_module = nullptr;
    PFN_DSEnumItems m_enumItems = nullptr;
    PFN_DSEnumCommands m_enumCommands = nullptr;
    HWND m_list = nullptr;
};

TEST_F(EnumerationEntries, ComponentWindowsAreOfTheModulesClass) {
    char name[64] = {};
    GetClassNameA(Component("cics1").GetWindow(), name, sizeof name);
    EXPECT_STREQ("ZCicsDataSource", name);
}

TEST_F(EnumerationEntries, CommandSetsOfEveryKindOfService) {
    const struct {
        const char* transaction;
        const char* async;
        const char* autoStart; // null: absent
        std::vector<std::string> commands;
    } cases[] = {
        {nullptr, nullptr, nullptr, {"Invoke"}},
        {"NO", "NO", "YES", {"Invoke"}},
        {"NO", "YES", nullptr, {"Invoke", "Get Reply", "Get Reply Wait"}},
        {"YES", "NO", "YES", {"Commit", "Abort"}},
        {"YES", nullptr, nullptr, {"Commit", "Abort", "Start"}},
        {"YES", "YES", "YES", {"Commit", "Abort", "Get Reply", "Get Reply Wait"}},
        {"YES", "YES", nullptr, {"Commit", "Abort", "Start", "Get Reply", "Get Reply Wait"}},
        {"yes", "Yes", nullptr, {"Invoke"}}, // only "YES" is on
    };
    for (const auto& c : cases) {
        CKWiringObject component = Component("cics1");
        const char* keys[] = {"TRANSACTION", "ASYNC", "AUTOSTART"};
        const char* values[] = {c.transaction, c.async, c.autoStart};
        for (int k = 0; k < 3; ++k) {
            component.RemoveNamedProperty(keys[k]);
            if (values[k])
                component.SetNamedProperty(keys[k], values[k]);
        }
        SendMessageA(m_list, LB_ADDSTRING, 0, LPARAM("left over"));
        EXPECT_EQ(int(c.commands.size()), m_enumCommands(component.GetWindow(), m_list));
        EXPECT_EQ(c.commands, ListBoxStrings());
    }
    EXPECT_TRUE(IsWindow(m_list)) << "the list box stays the host's";
}

TEST_F(EnumerationEntries, ItemNamesAtIndexesZeroToNMinusOneAndNoStringLeaks) {
    CKWiringObject component = Component("cics2");
    component.SetNamedProperty("DATASOURCE", "YES");
    component.SetNamedProperty("DSITEMS", "2 CUSTNO IN STR 8 NAME OUT STR 30");
    HOSTSTRARRAY array = HostCreateStringArray(5);
    EXPECT_EQ(2, m_enumItems(component.GetWindow(), array));
    const char* expected[] = {"CUSTNO", "NAME"};
    for (int i = 0; i < 2; ++i) {
        HOSTSTR h = 0;
        ASSERT_TRUE(HostGetArrayString(array, &h, i));
        EXPECT_STREQ(expected[i], CKString(h));
        HostFreeString(h);
    }
    HOSTSTR h = 0;
    EXPECT_FALSE(HostGetArrayString(array, &h, 2));
    HostDestroyStringArray(array); // the array owned the names
    EXPECT_EQ(0, m_enumItems(nullptr, array)) << "no window, no items";
}

} // namespace
