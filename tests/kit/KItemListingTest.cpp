// Listings of children and siblings as kit objects, texts and list controls.
#include "CComboBox.h"
#include "CListBox.h"
#include "CStringList.h"
#include "KItem.h"
#include "KObjectList.h"
#include "KitFixture.h"
#include "KitOutline.h"

namespace {

class KitListing : public KitFixture {
protected:
    void SetUp() override {
        KitFixture::SetUp();
        Load(kSampleOutline);
    }
};

std::vector<std::string> Texts(CObList& list) {
    std::vector<std::string> texts;
    for (POSITION pos = list.GetHeadPosition(); pos != nullptr;)
        texts.push_back(std::string(static_cast<CKItem*>(list.GetNext(pos))->GetText()));
    return texts;
}

TEST_F(KitListing, ChildrenByKindFilterAndSection) {
    CKItem action(m_outline, Find("DVM_Create"));
    CKObjectList statements, comments, contents, none;
    EXPECT_EQ(2, action.GetChildren(statements, 0, 0)) << "comment lines are skipped";
    EXPECT_EQ((std::vector<std::string>{"nCount = nCount + 1", "SalMessageBox('nCount', 0, 0)"}),
              Texts(statements));
    EXPECT_EQ(1, action.GetChildren(comments, 0, 188));
    CKItem form(m_outline, Find("frmOrders"));
    EXPECT_EQ(1, form.GetChildren(contents, 114, 6));
    EXPECT_EQ((std::vector<std::string>{"pbInvoke"}), Texts(contents));
    EXPECT_EQ(-1, form.GetChildren(none, 999, 0));
    EXPECT_EQ(-1, CKItem().GetChildren(none, 0, 0));
    EXPECT_EQ(0, none.GetCount());
}

TEST_F(KitListing, NextSiblingsAndNames) {
    CKObjectList after;
    EXPECT_EQ(1, CKItem(m_outline, Find("DVM_Create")).GetNextSiblings(after, 0));
    EXPECT_EQ(0, CKItem(m_outline, Find("SAM_Click")).GetNextSiblings(after, 0));

    CStringList names(10);
    EXPECT_EQ(2, CKItem(m_outline, Find("DVM_Create")).GetChildNames(names, 0, 0, FALSE));
    ASSERT_EQ(2, names.GetCount());
    EXPECT_STREQ("Set\tnCount", names.GetHead());
    EXPECT_STREQ("Call\tSalMessageBox('nCount',", names.GetTail());
    CStringList only(10);
    EXPECT_EQ(1, CKItem(m_outline, Find("dfCustNo")).GetNextSiblingNames(only, 0, TRUE));
    EXPECT_STREQ("pbInvoke", only.GetHead());
}

// Records the messages a control receives, then lets it handle them.
std::vector<UINT> g_messages;
WNDPROC g_original = nullptr;
LRESULT CALLBACK Recorder(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_SETREDRAW || message == LB_RESETCONTENT || message == LB_ADDSTRING)
        g_messages.push_back(message == WM_SETREDRAW ? (wParam ? 1u : 0u) : message);
    return CallWindowProcA(g_original, window, message, wParam, lParam);
}

// Real controls, filled through their framework objects.
class KitListControls : public KitListing {
protected:
    void SetUp() override {
        KitListing::SetUp();
        m_list = CreateWindowExA(0, "LISTBOX", "", WS_POPUP, 0, 0, 100, 100, nullptr, nullptr,
                                 nullptr, nullptr);
        m_combo = CreateWindowExA(0, "COMBOBOX", "", WS_POPUP | CBS_DROPDOWNLIST, 0, 0, 100, 100,
                                  nullptr, nullptr, nullptr, nullptr);
        ASSERT_TRUE(m_list && m_combo);
    }
    void TearDown() override {
        DestroyWindow(m_list);
        DestroyWindow(m_combo);
        KitListing::TearDown();
    }
    HWND m_list = nullptr, m_combo = nullptr;
};

TEST_F(KitListControls, FillingHonoursResetAndAnInvalidObjectEmptiesWithReset) {
    SendMessageA(m_list, LB_ADDSTRING, 0, LPARAM("old"));
    SendMessageA(m_combo, CB_ADDSTRING, 0, LPARAM("old"));
    CListBox list;
    CComboBox combo;
    list.Attach(m_list);
    combo.Attach(m_combo);
    CKItem action(m_outline, Find("DVM_Create"));

    EXPECT_EQ(2, action.FillComboBox(&combo, 0, 0, FALSE));
    EXPECT_EQ(3, SendMessageA(m_combo, CB_GETCOUNT, 0, 0)) << "appended without reset";
    EXPECT_EQ(2, action.FillListBox(&list, 0, 0, TRUE, TRUE));
    EXPECT_EQ(2, SendMessageA(m_list, LB_GETCOUNT, 0, 0));
    char text[64] = {};
    SendMessageA(m_list, LB_GETTEXT, 0, LPARAM(text));
    EXPECT_STREQ("nCount", text);

    EXPECT_EQ(-1, CKItem().FillListBox(&list, 0, 0, TRUE, TRUE));
    EXPECT_EQ(0, SendMessageA(m_list, LB_GETCOUNT, 0, 0));
    list.Detach();
    combo.Detach();
}

TEST_F(KitListControls, RedrawIsOffWhileTheStringsGoIn) {
    g_messages.clear();
    g_original = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrA(m_list, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(Recorder)));
    CListBox list;
    list.Attach(m_list);
    CKItem(m_outline, Find("DVM_Create")).FillListBox(&list, 0, 0, TRUE, TRUE);
    CKItem(m_outline, Find("DVM_Create")).FillListBox(&list, 0, 0, TRUE, FALSE);
    list.Detach();
    SetWindowLongPtrA(m_list, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(g_original));
    // 0 and 1 stand for redraw off and on.
    EXPECT_EQ((std::vector<UINT>{0, LB_RESETCONTENT, LB_ADDSTRING, LB_ADDSTRING, 1,
                                 0, LB_ADDSTRING, LB_ADDSTRING, 1}),
              g_messages);
}

} // namespace
