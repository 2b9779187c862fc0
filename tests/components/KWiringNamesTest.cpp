// Default names and labels of wired windows.
#include "KTextMetrics.h"
#include "KWiringObject.h"
#include "KitFixture.h"

namespace {

const char kWired[] =
    "Application App\n"
    "  FormWindow frmMain\n"
    "    Contents\n"
    "      DataField dfOld\n"
    "        =230 \"2\\\"\"\n"
    "        =233 \"1\\\"\"\n"
    "        =235 \"1.5\\\"\"\n"
    "        =229 \"0.25\\\"\"\n"
    "        @\"ITEM\" \"CUST_NAME\\0\"\n"
    "      PushButton pbOld\n"
    "        @\"COMMAND\" \"Invoke\\0\"\n"
    "      ComboBox cmbOld\n";

class WiringNames : public KitFixture {
protected:
    void SetUp() override {
        KitFixture::SetUp();
        Load(kWired);
        m_form = MervikOpenDesignWindows(m_outline, Find("frmMain"));
        ASSERT_NE(nullptr, m_form);
    }
    CKString Text(CKWiringObject& object) {
        CKString text;
        object.GetText(text);
        return text;
    }
    HWND m_form = nullptr;
};

TEST_F(WiringNames, DefaultNamesComeFromTheKindAndWhatTheWindowIsWiredTo) {
    CKWiringObject field(m_outline, Find("dfOld")), button(m_outline, Find("pbOld")),
        combo(m_outline, Find("cmbOld"));
    EXPECT_TRUE(field.MakeDefaultName());
    EXPECT_STREQ("dfCUST_NAME", Text(field));
    EXPECT_TRUE(button.ApplyDefaultName());
    EXPECT_STREQ("pbInvoke", Text(button));
    EXPECT_TRUE(combo.ApplyDefaultName()) << "wired to nothing: the host names it";
    EXPECT_STREQ("cmb1", Text(combo));
}

TEST_F(WiringNames, ALabelStandsBeforeTheFieldWithItsDataItemInLabelForm) {
    CKWiringObject field(m_outline, Find("dfOld"));
    ASSERT_TRUE(field.CreateLabel());
    CKWiringObject label(HostGetPreviousSibling(m_outline, field.GetItem()));
    ASSERT_EQ(12, label.GetKind());
    EXPECT_STREQ("Cust Name", Text(label));
    CKString value;
    EXPECT_TRUE(label.GetNamedProperty("FIELD", value));
    EXPECT_STREQ("dfOld", value);
    EXPECT_TRUE(label.GetProperty(287, value));
    EXPECT_STREQ("cZarvoLabel", value);

    int charWidth = AverageCharWidth(m_form), lineHeight = LineHeight(m_form);
    ASSERT_GT(charWidth, 0);
    int fieldLeft = 0, fieldTop = 0, left = 0, top = 0, width = 0, height = 0;
    field.GetPosition(230, &fieldLeft);
    field.GetPosition(233, &fieldTop);
    label.GetPosition(230, &left);
    label.GetPosition(233, &top);
    label.GetPosition(235, &width);
    label.GetPosition(229, &height);
    // Pixels go through the layout unit and back: allow a pixel of rounding.
    EXPECT_NEAR((9 + 3) * charWidth, width, 1);
    EXPECT_NEAR(fieldLeft - ((9 + 3) * charWidth + charWidth / 2), left, 1);
    EXPECT_NEAR(fieldTop, top, 1);
    EXPECT_NEAR(lineHeight, height, 1);
    EXPECT_TRUE(IsWindow(label.GetWindow()));
}

TEST_F(WiringNames, ButtonsGetNoLabel) {
    std::string before = Saved();
    EXPECT_FALSE(CKWiringObject(m_outline, Find("pbOld")).CreateLabel());
    EXPECT_EQ(before, Saved());
}

} // namespace
