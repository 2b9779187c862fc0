// The wiring object on outlines built in MERVIK11.
#include "KWiringObject.h"
#include "KitFixture.h"

namespace {

// A form whose contents hold a nested container, and which has a nested
// container section of its own after its contents.
const char kForm[] =
    "Application App\n"
    "  FormWindow frmMain\n"
    "    Contents\n"
    "      DataField dfName\n"
    "        =235 \"1.5\\\"\"\n"
    "        @\"SYMBOLNAME\" \"dfName\\0\"\n"
    "        @\"WIREDITEM\" \"NAME\\0\"\n"
    "        @\"WIREDSOURCE\" \"cics1\\0\"\n"
    "        @\"WIREDNAME\" \"dfName\\0\"\n"
    "        @\"SOURCE\" \"cics1\\0\"\n"
    "        @\"ITEM\" \"NAME\\0\"\n"
    "      Container ctrBox\n"
    "        Contents\n"
    "          PushButton pbInBox\n"
    "      PushButton pbLast\n"
    "    Container\n"
    "      Contents\n"
    "        PushButton pbDeep\n"
    "  FormWindow frmOther\n";

class WiringObject : public KitFixture {
protected:
    void SetUp() override {
        KitFixture::SetUp();
        Load(kForm);
    }
    CKWiringObject On(const char* name) { return CKWiringObject(m_outline, Find(name)); }
};

TEST_F(WiringObject, BindingByItemAndByHandlesAndUnbound) {
    CKWiringObject byItem(Find("dfName"));
    EXPECT_EQ(m_outline, byItem.GetOutline()) << "the current outline";
    EXPECT_EQ(Find("dfName"), byItem.GetItem());
    CKWiringObject none;
    EXPECT_TRUE(none.IsValid()) << "the current outline alone makes it valid";
    CKWiringObject notAWindow(reinterpret_cast<HWND>(0x7ff0));
    EXPECT_EQ(0u, notAWindow.GetItem());
    EXPECT_EQ(nullptr, notAWindow.GetWindow());
    EXPECT_EQ(-1, CKWiringObject(m_outline, 0).GetKind());
    EXPECT_EQ(0u, byItem.AttachWindow(reinterpret_cast<HWND>(0x7ff0)));
    EXPECT_EQ(Find("dfName"), byItem.GetItem()) << "a non-window changes nothing";
}

TEST_F(WiringObject, UnboundObjectsCallNothingAndLeaveStringsAlone) {
    CKWiringObject unbound(m_outline, 0);
    CKString text("kept");
    EXPECT_FALSE(unbound.GetName(text));
    EXPECT_FALSE(unbound.GetNamedProperty("SOURCE", text));
    EXPECT_STREQ("kept", text);
    EXPECT_EQ(-1, unbound.GetKind());
    EXPECT_FALSE(unbound.SetText("x"));
    EXPECT_FALSE(unbound.Delete());
}

TEST_F(WiringObject, TextsAndNamedProperties) {
    CKWiringObject field = On("dfName");
    CKString text;
    EXPECT_TRUE(field.GetName(text));
    EXPECT_STREQ("dfName", text);
    EXPECT_TRUE(field.GetKindName(text));
    EXPECT_STREQ("DataField", text);
    EXPECT_TRUE(field.GetNamedProperty("SOURCE", text));
    EXPECT_STREQ("cics1", text);
    EXPECT_FALSE(field.GetNamedProperty("ABSENT", text));
    EXPECT_STREQ("", text) << "an absent property empties the string";
    EXPECT_TRUE(field.SetNamedProperty("DATASOURCE", "Yes"));
    EXPECT_FALSE(field.IsDataSource());
    EXPECT_TRUE(field.SetNamedProperty("DATASOURCE", "YES"));
    EXPECT_TRUE(field.IsDataSource());
    EXPECT_TRUE(field.SetText("line one\nline two"));
    EXPECT_TRUE(field.GetText(text));
    EXPECT_STREQ("line one\nline two", text);
    EXPECT_FALSE(field.SetClass(nullptr));
}

TEST_F(WiringObject, ContainerOfAWindowInANestedContainerIsTheForm) {
    CKWiringObject container;
    ASSERT_TRUE(On("pbDeep").GetContainer(container));
    EXPECT_EQ(Find("frmMain"), container.GetItem());
    ASSERT_TRUE(On("dfName").GetContainer(container));
    EXPECT_EQ(Find("frmMain"), container.GetItem());
    ASSERT_TRUE(On("frmMain").GetContainer(container));
    EXPECT_EQ(Find("frmMain"), container.GetItem()) << "a container is its own";
    CKWiringObject untouched = On("dfName");
    EXPECT_FALSE(On("App").GetContainer(untouched));
    EXPECT_EQ(Find("dfName"), untouched.GetItem());
}

TEST_F(WiringObject, FindChildWindowByNameIgnoresCaseAndSearchesNestedContainers) {
    CKWiringObject form = On("frmMain");
    const struct {
        const char* name;
        const char* found; // null: not found
    } cases[] = {
        {"DFNAME", "dfName"},
        {"pbinbox", "pbInBox"}, // inside a nested container of the contents
        {"PBLAST", "pbLast"},   // after a vain search of the nested container
        {"pbDeep", "pbDeep"},   // in the form's own nested container section
        {"pbNowhere", nullptr},
    };
    for (const auto& c : cases) {
        CKWiringObject out = On("frmOther");
        BOOL found = form.FindChildWindowByName(c.name, out);
        EXPECT_EQ(c.found != nullptr, found != 0) << c.name;
        EXPECT_EQ(c.found ? Find(c.found) : Find("frmOther"), out.GetItem()) << c.name;
    }
}

TEST_F(WiringObject, PositionReadsADecimalFollowedByADoubleQuote) {
    // Pixels follow the container's design window.
    ASSERT_NE(nullptr, MervikOpenDesignWindows(m_outline, Find("frmMain")));
    CKWiringObject field = On("dfName");
    int pixels = -1;
    EXPECT_TRUE(field.GetPosition(235, &pixels));
    HOSTNUMBER number;
    CKWiringObject container;
    field.GetContainer(container);
    EXPECT_EQ(HostUnitsToPixels(container.GetWindow(), *HostNumberFromDouble(1.5, &number), FALSE),
              pixels);
    EXPECT_GT(pixels, 0);

    EXPECT_TRUE(field.SetPosition(230, pixels));
    int back = -1;
    field.GetPosition(230, &back);
    EXPECT_EQ(pixels, back);
}

TEST_F(WiringObject, DeleteOpensAndClosesAnEditBracketOnlyWhenNoneIsOpen) {
    CKWiringObject field = On("dfName");
    ASSERT_FALSE(HostIsEditOpen(m_outline));
    EXPECT_TRUE(field.Delete());
    EXPECT_FALSE(HostIsEditOpen(m_outline));
    EXPECT_EQ(0u, field.GetItem());
    EXPECT_EQ(0u, field.GetOutline());

    HostOpenEdit();
    ASSERT_TRUE(HostIsEditOpen(m_outline));
    EXPECT_TRUE(On("pbLast").Delete());
    EXPECT_TRUE(HostIsEditOpen(m_outline)) << "the caller's bracket stays open";
    HostCloseEdit(HostEditMark(Find("frmMain")));
    HostEndEdit(1);
}

TEST_F(WiringObject, DuplicateUnwiresTheCopyRightAfterTheOriginal) {
    CKWiringObject field = On("dfName");
    CKWiringObject copy;
    ASSERT_TRUE(field.Duplicate(copy));
    CKWiringObject next;
    ASSERT_TRUE(field.GetNextSibling(next));
    EXPECT_EQ(copy.GetItem(), next.GetItem());
    CKString value;
    for (const char* gone : {"SYMBOLNAME", "WIREDITEM", "WIREDSOURCE", "WIREDNAME"})
        EXPECT_FALSE(copy.GetNamedProperty(gone, value)) << gone;
    EXPECT_TRUE(copy.GetNamedProperty("SOURCE", value));
    EXPECT_STREQ("cics1", value);
    EXPECT_TRUE(copy.GetNamedProperty("ITEM", value));
    EXPECT_TRUE(field.GetNamedProperty("SYMBOLNAME", value)) << "the original keeps its wiring";
}

} // namespace
