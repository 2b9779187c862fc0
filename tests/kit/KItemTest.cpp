// The item base: construction, attachment, reading, properties and navigation.
#include "KItem.h"
#include "KXDKException.h"
#include "KitFixture.h"
#include "KitOutline.h"

namespace {

// A class that, like the window classes, accepts only some kinds.
class CMessageActionOnly : public CKItem {
public:
    using CKItem::CKItem;
    using CKItem::operator=;
    BOOL IsValidKind(int kind) override { return kind == 174; }
};

class KitItem : public KitFixture {
protected:
    void SetUp() override {
        KitFixture::SetUp();
        Load(kSampleOutline);
    }
};

TEST_F(KitItem, ConstructionFromHandlesNeverFailsAndKnowsTheKind) {
    CKItem field(m_outline, Find("dfCustNo"));
    EXPECT_TRUE(field.IsValid());
    EXPECT_EQ(4, field.m_nKind);
    CKItem none(m_outline, 0);
    EXPECT_FALSE(none.IsValid());
    EXPECT_EQ(0, none.m_nKind);
    // A subclass's constructor accepts any kind as well.
    CMessageActionOnly wrong(m_outline, Find("dfCustNo"));
    EXPECT_TRUE(wrong.IsValid());
    EXPECT_EQ(4, wrong.m_nKind);
}

TEST_F(KitItem, AssignmentOfARefusedKindRaisesKitError1000AfterCopying) {
    CKItem action(m_outline, Find("DVM_Create"));
    CKItem field(m_outline, Find("dfCustNo"));
    CMessageActionOnly target;
    target = action; // accepted
    EXPECT_EQ(action.m_hItem, target.m_hItem);
    int error = 0;
    try {
        target = field;
    } catch (CException* e) {
        error = static_cast<CKXDKException*>(e)->m_nError;
        e->Delete();
    }
    EXPECT_EQ(1000, error);
    EXPECT_EQ(field.m_hItem, target.m_hItem) << "the fields stay as copied";
    EXPECT_EQ(4, target.m_nKind);
}

TEST_F(KitItem, FailedAttachKeepsWhatWasNotStoredAndMakesTheObjectInvalid) {
    HITEM action = Find("DVM_Create");
    CMessageActionOnly item(m_outline, action);
    ASSERT_TRUE(item.IsValid());

    EXPECT_FALSE(item.Attach(0, Find("SAM_Click")));
    EXPECT_FALSE(item.IsValid());
    EXPECT_EQ(m_outline, item.m_hOutline);

    EXPECT_FALSE(item.Attach(m_outline, Find("dfCustNo"))) << "refused kind";
    EXPECT_FALSE(item.IsValid());
    EXPECT_EQ(action, item.m_hItem);
    EXPECT_EQ(174, item.m_nKind);

    EXPECT_TRUE(item.Attach(m_outline, Find("SAM_Click")));
    EXPECT_TRUE(item.IsValid());
}

TEST_F(KitItem, ReadsTextNameAndKindName) {
    CKItem statement;
    ASSERT_TRUE(CKItem(m_outline, Find("DVM_Create")).FindChild("nCount", statement, 0));
    EXPECT_STREQ("nCount = nCount + 1", statement.GetText());
    EXPECT_STREQ("nCount", statement.GetName());
    EXPECT_STREQ("Set", statement.GetKindName(FALSE));
    EXPECT_EQ(statement.m_nKind, statement.GetKind());
    EXPECT_TRUE(CKItem(m_outline, Find("frmOrders")).IsContainerKind());
    EXPECT_FALSE(statement.IsContainerKind());
}

TEST_F(KitItem, NumberedPropertiesOnTheItemLineAndInASubItem) {
    CKItem application(m_outline, Find("Sample"));
    CKItem form(m_outline, Find("frmOrders"));
    CString text("unchanged");
    EXPECT_TRUE(application.GetProperty(63, text));
    EXPECT_STREQ("The sample application", text);
    EXPECT_TRUE(form.GetProperty(232, text));
    EXPECT_STREQ("Orders of the day", text);
    text = "unchanged";
    EXPECT_FALSE(form.GetProperty(63, text));
    EXPECT_STREQ("unchanged", text);

    EXPECT_TRUE(form.SetProperty(232, "Open orders", TRUE));
    EXPECT_TRUE(application.SetProperty(63, "Two\nlines", FALSE));
    EXPECT_FALSE(form.SetProperty(63, "nowhere", FALSE));
    EXPECT_TRUE(form.GetProperty(232, text));
    EXPECT_STREQ("Open orders", text);
    EXPECT_TRUE(application.GetProperty(63, text));
    EXPECT_STREQ("Two\nlines", text);
}

TEST_F(KitItem, DescriptionFromThePropertyOrTheFirstCommentLine) {
    EXPECT_STREQ("The sample application", CKItem(m_outline, Find("Sample")).GetDescription());
    EXPECT_STREQ("generated code", CKItem(m_outline, Find("DVM_Create")).GetDescription());
    EXPECT_STREQ("", CKItem(m_outline, Find("pbInvoke")).GetDescription());
}

TEST_F(KitItem, NamedPropertiesStoreTextsWithTheirZero) {
    CKItem field(m_outline, Find("dfCustNo"));
    CString value("unchanged");
    EXPECT_FALSE(field.GetNamedProperty("ITEM", value));
    EXPECT_STREQ("unchanged", value);
    EXPECT_TRUE(field.SetNamedProperty("ITEM", "CUSTNO", 0));
    EXPECT_TRUE(field.GetNamedProperty("ITEM", value));
    EXPECT_STREQ("CUSTNO", value);
    EXPECT_NE(std::string::npos, Saved().find("@\"ITEM\" \"CUSTNO\\0\"")) << "six letters and the zero";
    EXPECT_TRUE(field.RemoveNamedProperty("ITEM"));
    EXPECT_FALSE(field.GetNamedProperty("ITEM", value));
    EXPECT_TRUE(CKItem(m_outline, Find("frmOrders")).GetNamedProperty("SOURCE", value));
    EXPECT_STREQ("cics1", value);
}

TEST_F(KitItem, NavigationAttachesTheOutObjectOrLeavesItAsDocumented) {
    CKItem contents;
    ASSERT_TRUE(CKItem(m_outline, Find("frmOrders")).FindSubItem(114, contents, TRUE));
    CKItem child;
    ASSERT_TRUE(contents.GetFirstChild(child));
    EXPECT_STREQ("dfCustNo", child.GetText());
    CKItem last;
    ASSERT_TRUE(child.GetNextSibling(last));
    EXPECT_STREQ("pbInvoke", last.GetText());

    CKItem out(child);
    EXPECT_FALSE(last.GetNextSibling(out));
    EXPECT_TRUE(out.IsValid());
    EXPECT_EQ(child.m_hItem, out.m_hItem) << "left as it was";

    EXPECT_FALSE(last.GetFirstChild(out));
    EXPECT_FALSE(out.IsValid()) << "a leaf leaves the out object invalid";

    CKItem parent;
    ASSERT_TRUE(last.GetParent(parent));
    EXPECT_EQ(contents.m_hItem, parent.m_hItem);

    CKItem untouched(child);
    EXPECT_FALSE(contents.FindSubItem(0, untouched, TRUE));
    EXPECT_FALSE(contents.FindSubItem(493, untouched, TRUE));
    EXPECT_EQ(child.m_hItem, untouched.m_hItem);
    EXPECT_TRUE(untouched.IsValid());
}

TEST_F(KitItem, SetTextPreparesTheTextUnlessVerbatim) {
    CKItem field(m_outline, Find("dfCustNo"));
    EXPECT_TRUE(field.SetText("dfCustomer", TRUE));
    EXPECT_STREQ("dfCustomer", field.GetText());
    CString name("dfOrder");
    EXPECT_TRUE(field.SetText(name, FALSE));
    EXPECT_STREQ(name, field.GetText()) << "the caller's string holds the prepared text";
}

} // namespace
