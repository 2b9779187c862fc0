// Window objects: temporary wrappers, attaching, and the list and combo box
// wrappers on real controls.
#include <gtest/gtest.h>

#include "CComboBox.h"
#include "CListBox.h"
#include "CWinApp.h"
#include "TempMaps.h"

namespace {

class Control {
public:
    Control(const char* className, DWORD style)
        : hWnd(CreateWindowExA(0, className, "", WS_POPUP | style, 0, 0, 200, 200, nullptr, nullptr,
                               GetModuleHandleA(nullptr), nullptr)) {}
    ~Control() { DestroyWindow(hWnd); }
    HWND hWnd;
};

TEST(CWnd, TemporaryObjectsLiveUntilTheLastUnlockOrIdle) {
    Control window("STATIC", 0);
    ASSERT_NE(nullptr, window.hWnd);
    AfxReleaseTempObjects();
    EXPECT_EQ(nullptr, CWnd::FromHandle(nullptr));

    AfxLockTempMaps();
    AfxLockTempMaps();
    CWnd* wrapper = CWnd::FromHandle(window.hWnd);
    ASSERT_NE(nullptr, wrapper);
    EXPECT_EQ(window.hWnd, wrapper->m_hWnd);
    EXPECT_EQ(wrapper, CWnd::FromHandle(window.hWnd)); // one object per handle
    EXPECT_EQ(1, CWnd::GetTemporaryCount());
    AfxUnlockTempMaps();
    AfxReleaseTempObjects(); // idle while a lock is held keeps them
    EXPECT_EQ(1, CWnd::GetTemporaryCount());
    AfxUnlockTempMaps();
    EXPECT_EQ(0, CWnd::GetTemporaryCount());

    CWinApp app("TEST.DLL");
    CWnd::FromHandle(window.hWnd);
    EXPECT_TRUE(app.OnIdle(0));
    EXPECT_EQ(0, CWnd::GetTemporaryCount());
    EXPECT_FALSE(app.OnIdle(1));
    EXPECT_TRUE(IsWindow(window.hWnd)); // releasing a wrapper leaves the window
}

TEST(CWnd, AttachedObjectIsTheOneFromHandleAnswersUntilDetached) {
    Control window("LISTBOX", 0);
    CListBox list;
    EXPECT_FALSE(list.Attach(nullptr));
    ASSERT_TRUE(list.Attach(window.hWnd));
    EXPECT_EQ(&list, CWnd::FromHandle(window.hWnd));
    EXPECT_EQ(0, CWnd::GetTemporaryCount());
    CListBox second;
    EXPECT_FALSE(second.Attach(window.hWnd)); // one object per window
    EXPECT_EQ(window.hWnd, list.Detach());
    EXPECT_EQ(nullptr, list.m_hWnd);
    EXPECT_EQ(nullptr, CWnd::FromHandlePermanent(window.hWnd));
    {
        CListBox scoped;
        scoped.Attach(window.hWnd);
    } // destroying the object unties it but keeps the window
    EXPECT_EQ(nullptr, CWnd::FromHandlePermanent(window.hWnd));
    EXPECT_TRUE(IsWindow(window.hWnd));
}

TEST(CListBox, FillsResetsAndKeepsPointerSizedItemData) {
    Control window("LISTBOX", LBS_NOTIFY);
    CListBox list;
    ASSERT_TRUE(list.Attach(window.hWnd));
    list.AddString("stale");
    list.SetRedraw(FALSE);
    list.ResetContent();
    EXPECT_EQ(0, list.AddString("Commit"));
    EXPECT_EQ(1, list.AddString("Abort"));
    EXPECT_EQ(1, list.InsertString(1, "Middle"));
    list.SetRedraw(TRUE);
    EXPECT_EQ(3, list.GetCount());
    CString text("old");
    EXPECT_EQ(5, list.GetText(2, text));
    EXPECT_STREQ("Abort", text);
    EXPECT_EQ(LB_ERR, list.GetText(9, text));
    EXPECT_TRUE(text.IsEmpty());

    DWORD_PTR pointer = reinterpret_cast<DWORD_PTR>(&list);
    EXPECT_NE(LB_ERR, list.SetItemData(1, pointer));
    EXPECT_EQ(pointer, list.GetItemData(1));
    EXPECT_EQ(2, list.SelectString(-1, "ab"));
    EXPECT_EQ(2, list.GetCurSel());
    EXPECT_EQ(2, list.DeleteString(0));
    list.Detach();
}

TEST(CComboBox, SortedListAndPrefixSearchAfterTheStartIndex) {
    Control window("COMBOBOX", CBS_DROPDOWN | CBS_SORT);
    CComboBox combo;
    ASSERT_TRUE(combo.Attach(window.hWnd));
    for (const char* name : {"ZETA", "cics2", "CICS1", "alpha"})
        combo.AddString(name);
    CString joined, item;
    for (int i = 0; i < combo.GetCount(); ++i) {
        combo.GetLBText(i, item);
        joined += item + ";";
    }
    EXPECT_STREQ("alpha;CICS1;cics2;ZETA;", joined);

    struct Case {
        int start;
        const char* prefix;
        int found;
    };
    // The search begins after the start entry and wraps round to it.
    for (const Case& c : {Case{0, "cics", 1}, Case{1, "cics", 2}, Case{2, "CICS", 1},
                          Case{0, "AL", 0}, Case{-1, "z", 3}, Case{0, "x", CB_ERR}})
        EXPECT_EQ(c.found, combo.FindString(c.start, c.prefix)) << c.start << " " << c.prefix;

    EXPECT_EQ(1, combo.SelectString(0, "cics"));
    CString shown;
    combo.GetWindowText(shown);
    EXPECT_STREQ("CICS1", shown);
    EXPECT_EQ(CB_ERR, combo.SelectString(0, "x"));
    EXPECT_EQ(1, combo.GetCurSel()); // a failed search leaves the selection

    DWORD_PTR pointer = reinterpret_cast<DWORD_PTR>(&combo);
    combo.SetItemData(3, pointer);
    EXPECT_EQ(pointer, combo.GetItemData(3));
    combo.ResetContent();
    EXPECT_EQ(0, combo.GetCount());
    combo.GetWindowText(shown);
    EXPECT_TRUE(shown.IsEmpty());
    combo.Detach();
}

} // namespace
