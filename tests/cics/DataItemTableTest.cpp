// DSITEMS read into the host's string array and the module's data-item table,
// in process: the table and its records are visible here.
#include <string>
#include <vector>

#include "DataItemTable.h"
#include "ItemEnumeration.h"
#include "KWiringObject.h"
#include "KitFixture.h"
#include "CicsOutline.h"

// The module defines the table next to its application object; this test
// program holds its own.
CDataItemTable DataItemTable;

namespace {

class DataItems : public KitFixture {
protected:
    void SetUp() override {
        KitFixture::SetUp();
        Load(kCicsForm);
        ASSERT_NE(nullptr, MervikOpenDesignWindows(m_outline, Find("frmMain")));
        m_array = HostCreateStringArray(5);
        ASSERT_NE(0u, m_array);
        DataItemTable.RemoveAllItems();
    }
    void TearDown() override {
        HostDestroyStringArray(m_array);
        KitFixture::TearDown();
        DataItemTable.RemoveAllItems();
        EXPECT_EQ(0, DataItemInfo::Live()) << "every record is the table's";
    }
    HWND Component(const char* name, const char* dataSource, const char* items) {
        CKWiringObject component(m_outline, Find(name));
        if (dataSource)
            component.SetNamedProperty("DATASOURCE", dataSource);
        if (items)
            component.SetNamedProperty("DSITEMS", items);
        EXPECT_NE(nullptr, component.GetWindow());
        return component.GetWindow();
    }
    std::vector<std::string> Names(int count) {
        std::vector<std::string> names;
        for (int i = 0; i < count; ++i) {
            HOSTSTR h = 0;
            EXPECT_TRUE(HostGetArrayString(m_array, &h, i)) << i;
            names.push_back(std::string(CKString(h)));
            HostFreeString(h);
        }
        return names;
    }
    void ExpectItem(const char* name, int input, int string, int length) {
        DataItemInfo* info = DataItemTable.FindItem(name);
        ASSERT_NE(nullptr, info) << name;
        EXPECT_EQ(input, info->input) << name;
        EXPECT_EQ(string, info->string) << name;
        EXPECT_EQ(length, info->length) << name;
    }
    HOSTSTRARRAY m_array = 0;
};

TEST_F(DataItems, EachItemGoesToTheArrayAndTheTable) {
    HWND cics = Component("cics1", "YES", "  3  CUSTNO IN STR 8   NAME  OUT STR 30 BALANCE OUT NUM 10  ");
    ASSERT_EQ(3, EnumerateDataItems(cics, m_array));
    EXPECT_EQ((std::vector<std::string>{"CUSTNO", "NAME", "BALANCE"}), Names(3));
    ExpectItem("CUSTNO", 1, 1, 8);
    ExpectItem("NAME", 0, 1, 30);
    ExpectItem("BALANCE", 0, 0, 10);
    EXPECT_EQ(3, DataItemTable.GetCount());
    EXPECT_EQ(3, DataItemInfo::Live());
}

TEST_F(DataItems, TokensAreCaseSensitiveAndCountsDecideHowManyItems) {
    HWND cics = Component("cics1", "YES", "1 CODE in Str 4 EXTRA IN STR 9");
    ASSERT_EQ(1, EnumerateDataItems(cics, m_array));
    ExpectItem("CODE", 0, 0, 4);
    EXPECT_EQ(nullptr, DataItemTable.FindItem("EXTRA")) << "items past the count are ignored";

    cics = Component("cics1", "YES", "3 ONLY IN STR 2");
    ASSERT_EQ(3, EnumerateDataItems(cics, m_array));
    EXPECT_EQ((std::vector<std::string>{"ONLY", "", ""}), Names(3));
    ExpectItem("", 0, 0, 0);
    EXPECT_EQ(3, DataItemTable.GetCount()) << "the missing items share the empty name";
    EXPECT_EQ(3, DataItemInfo::Live()) << "replaced records are freed";
}

TEST_F(DataItems, TheLastServiceEnumeratedKeepsASharedName) {
    ASSERT_EQ(1, EnumerateDataItems(Component("cics1", "YES", "1 X IN STR 5"), m_array));
    ASSERT_EQ(1, EnumerateDataItems(Component("cics2", "YES", "1 X OUT NUM 7"), m_array));
    ExpectItem("X", 0, 0, 7);
    EXPECT_EQ(1, DataItemInfo::Live());
}

TEST_F(DataItems, NothingIsStoredWhenThereIsNothingToOffer) {
    const struct {
        const char* dataSource; // null: absent
        const char* transaction;
        const char* items;
    } cases[] = {
        {nullptr, nullptr, "1 A IN STR 1"},
        {"Yes", nullptr, "1 A IN STR 1"},
        {"YES", "YES", "1 A IN STR 1"},
        {"YES", nullptr, "0 A IN STR 1"},
        {"YES", nullptr, "   "},
        {"YES", nullptr, ""},
        {"YES", nullptr, "-2 A IN STR 1"},
        {"YES", nullptr, "99999999999 A IN STR 1"}, // the host refuses to size for it
    };
    for (const auto& c : cases) {
        CKWiringObject component(m_outline, Find("cics1"));
        component.RemoveNamedProperty("DATASOURCE");
        component.RemoveNamedProperty("TRANSACTION");
        if (c.transaction)
            component.SetNamedProperty("TRANSACTION", c.transaction);
        HWND cics = Component("cics1", c.dataSource, c.items);
        EXPECT_EQ(0, EnumerateDataItems(cics, m_array)) << c.items;
        EXPECT_EQ(0, DataItemTable.GetCount()) << c.items;
        HOSTSTR h = 0;
        EXPECT_FALSE(HostGetArrayString(m_array, &h, 0)) << c.items;
    }
}

} // namespace
