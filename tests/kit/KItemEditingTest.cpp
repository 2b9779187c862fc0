// Changing the tree through the item base.
#include "KItem.h"
#include "KitFixture.h"
#include "KitOutline.h"

namespace {

class KitEditing : public KitFixture {
protected:
    void SetUp() override {
        KitFixture::SetUp();
        Load(kSampleOutline);
    }
};

TEST_F(KitEditing, AProtectedParentRefusesNewChildrenAndTheOutlineStaysAsItWas) {
    CKItem locked(m_outline, Find("frmLocked"));
    std::string before = Saved();
    CKItem out;
    EXPECT_TRUE(locked.IsProtected());
    EXPECT_FALSE(locked.AddChild(0, 4, out));
    EXPECT_FALSE(locked.CreateChild(4, "dfNew", nullptr, 0));
    EXPECT_EQ(before, Saved());
    EXPECT_FALSE(CKItem().IsProtected()) << "an invalid object is not protected";
}

TEST_F(KitEditing, CreateChildAppendsInTheSectionWithTextAndDescription) {
    CKItem form(m_outline, Find("frmOrders"));
    CKItem created;
    ASSERT_TRUE(form.CreateChild(6, "pbClose", created, "closes the form", 114));
    EXPECT_STREQ("pbClose", created.GetText());
    EXPECT_EQ(6, created.GetKind());
    EXPECT_STREQ("closes the form", created.GetDescription());
    CKItem parent;
    ASSERT_TRUE(created.GetParent(parent));
    EXPECT_EQ(114, parent.GetKind());
    CKItem after;
    EXPECT_FALSE(created.GetNextSibling(after)) << "appended as the last child";

    CKItem bare;
    EXPECT_TRUE(form.CreateChild(4, "", bare, nullptr, 114));
    EXPECT_STREQ("", bare.GetText());
    EXPECT_FALSE(form.CreateChild(4, "x", nullptr, 999)) << "a section the item does not have";
}

TEST_F(KitEditing, SetDescriptionWithoutThePropertyAppendsACommentLine) {
    CKItem button(m_outline, Find("pbInvoke"));
    EXPECT_TRUE(button.SetDescription("sends the command"));
    CKItem comment;
    ASSERT_TRUE(button.GetFirstChild(comment));
    EXPECT_EQ(188, comment.GetKind());
    EXPECT_STREQ("sends the command", comment.GetText());
    EXPECT_STREQ("sends the command", button.GetDescription());

    CKItem application(m_outline, Find("Sample"));
    EXPECT_TRUE(application.SetDescription("renamed"));
    EXPECT_STREQ("renamed", application.GetDescription());
}

TEST_F(KitEditing, DeleteAndDeleteChild) {
    CKItem actions(m_outline, Find("DVM_Create"));
    std::string before = Saved();
    EXPECT_FALSE(actions.DeleteChild("nTotal", 0));
    EXPECT_EQ(before, Saved());
    EXPECT_TRUE(actions.DeleteChild("nCount", 0));
    EXPECT_EQ(std::string::npos, Saved().find("nCount = nCount"));

    CKItem button(m_outline, Find("pbInvoke"));
    CKItem other(button);
    EXPECT_TRUE(button.Delete());
    EXPECT_FALSE(button.IsValid());
    EXPECT_EQ(0u, button.m_hItem);
    EXPECT_EQ(0u, button.m_hOutline);
    EXPECT_FALSE(other.Delete()) << "the other object's handle is stale";
    EXPECT_STREQ("", other.GetText());
}

} // namespace
