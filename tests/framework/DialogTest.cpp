// Modal dialogs run from the program's own resources with their real
// controls, played through the dialog user seam.
#include <gtest/gtest.h>

#include "AfxModule.h"
#include "CComboBox.h"
#include "CDialog.h"
#include "CStringList.h"
#include "CWinApp.h"
#include "DialogUser.h"
#include "FrameworkTestIds.h"

namespace {

int g_liveErrors = 0;
class CCountedError : public CException {
public:
    CCountedError() { ++g_liveErrors; }
    ~CCountedError() override { --g_liveErrors; }
};

// A transaction dialog: a field of at most 4 characters, a check box and a
// sorted drop-down combo box filled from a list when it opens.
class CServiceDlg : public CDialog {
public:
    CServiceDlg() : CDialog(IDD_SERVICE) {}

    CString m_strProgram;
    CString m_strTranId;
    int m_bLoginRequired = 0;
    CString m_strJoinTran;
    CStringList m_transactionNames{10};
    bool m_bFailOnSave = false;

protected:
    void DoDataExchange(CDataExchange* dx) override {
        if (m_bFailOnSave && dx->m_bSaveAndValidate)
            throw static_cast<CException*>(new CCountedError);
        DDX_Text(dx, IDC_PROGRAM, m_strProgram);
        DDV_MaxChars(dx, m_strProgram, 16);
        DDX_Text(dx, IDC_TRANID, m_strTranId);
        DDV_MaxChars(dx, m_strTranId, 4);
        DDX_Check(dx, IDC_LOGIN, m_bLoginRequired);
        DDX_CBString(dx, IDC_JOIN, m_strJoinTran);
    }
    BOOL OnInitDialog() override {
        CDialog::OnInitDialog();
        CComboBox combo;
        combo.Attach(::GetDlgItem(m_hWnd, IDC_JOIN));
        combo.ResetContent();
        for (POSITION pos = m_transactionNames.GetHeadPosition(); pos != nullptr;)
            combo.AddString(m_transactionNames.GetNext(pos));
        combo.SelectString(0, m_strJoinTran);
        combo.Detach();
        return TRUE;
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CServiceDlg, CDialog)
END_MESSAGE_MAP()

class ServiceDialog : public ::testing::Test {
protected:
    void SetUp() override {
        AfxDllAttach(GetModuleHandleA(nullptr));
        dialog.m_strProgram = "PROG";
        dialog.m_strTranId = "AB";
        dialog.m_bLoginRequired = 1;
        dialog.m_strJoinTran = "cics";
        for (const char* name : {"ZETA", "cics2", "CICS1", "alpha"})
            dialog.m_transactionNames.AddTail(name);
    }
    std::vector<std::string> ComboEntries(HWND combo) {
        std::vector<std::string> entries;
        char text[64];
        for (LRESULT i = 0; i < SendMessageA(combo, CB_GETCOUNT, 0, 0); ++i) {
            SendMessageA(combo, CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(text));
            entries.push_back(text);
        }
        return entries;
    }
    CServiceDlg dialog;
};

TEST_F(ServiceDialog, OpensWithFieldsShownListSortedAndFocusOnTheFirstTabStop) {
    struct Case {
        const char* join;
        const char* shown;
    };
    // The prefix search starts after the first entry and wraps round to it.
    for (const Case& c : {Case{"cics", "CICS1"}, Case{"AL", "alpha"}, Case{"zz", ""}}) {
        dialog.m_strJoinTran = c.join;
        DialogUser user([&](DialogUser& u) {
            EXPECT_EQ(u.Control(IDC_PROGRAM), GetFocus());
            EXPECT_EQ("PROG", u.Text(IDC_PROGRAM));
            EXPECT_EQ("AB", u.Text(IDC_TRANID));
            EXPECT_EQ(BST_CHECKED, SendMessageA(u.Control(IDC_LOGIN), BM_GETCHECK, 0, 0));
            EXPECT_EQ((std::vector<std::string>{"alpha", "CICS1", "cics2", "ZETA"}),
                      ComboEntries(u.Control(IDC_JOIN)));
            EXPECT_EQ(c.shown, u.Text(IDC_JOIN)) << c.join;
            u.PressCancel();
        });
        EXPECT_EQ(IDCANCEL, dialog.DoModal());
        EXPECT_TRUE(user.Played());
    }
}

TEST_F(ServiceDialog, TooLongTextIsRefusedNamingTheLimitAndTheDialogStaysOpen) {
    DialogUser user([](DialogUser& u) {
        u.Type(IDC_TRANID, "ABCDEFG");
        EXPECT_EQ("ABCD", u.Text(IDC_TRANID)) << "typing stops at the limit";
        u.SetText(IDC_TRANID, "ABCDE");
        u.PressOK();
        ASSERT_EQ(1u, u.MessageBoxes().size());
        EXPECT_EQ("Please enter no more than 4 characters.", u.MessageBoxes()[0]);
        EXPECT_TRUE(IsWindowVisible(u.Dialog()));
        EXPECT_EQ(u.Control(IDC_TRANID), GetFocus());

        u.SetText(IDC_TRANID, "XY");
        u.SetCheck(IDC_LOGIN, false);
        u.Type(IDC_JOIN, "newtran");
        u.PressOK();
    });
    EXPECT_EQ(IDOK, dialog.DoModal());
    EXPECT_EQ(1u, user.MessageBoxes().size());
    EXPECT_STREQ("PROG", dialog.m_strProgram);
    EXPECT_STREQ("XY", dialog.m_strTranId);
    EXPECT_EQ(0, dialog.m_bLoginRequired);
    EXPECT_STREQ("newtran", dialog.m_strJoinTran);
}

TEST_F(ServiceDialog, OkTakesTheEntryChosenFromTheList) {
    DialogUser user([](DialogUser& u) {
        EXPECT_TRUE(u.Choose(IDC_JOIN, "ZETA"));
        u.PressOK();
    });
    EXPECT_EQ(IDOK, dialog.DoModal());
    EXPECT_STREQ("ZETA", dialog.m_strJoinTran);
    EXPECT_STREQ("AB", dialog.m_strTranId);
    EXPECT_EQ(1, dialog.m_bLoginRequired);
}

TEST_F(ServiceDialog, CancelAfterEditsLeavesEveryFieldAsBefore) {
    DialogUser user([](DialogUser& u) {
        u.SetText(IDC_TRANID, "WXYZ");
        u.SetCheck(IDC_LOGIN, false);
        u.Choose(IDC_JOIN, "alpha");
        u.PressCancel();
    });
    EXPECT_EQ(IDCANCEL, dialog.DoModal());
    EXPECT_STREQ("AB", dialog.m_strTranId);
    EXPECT_EQ(1, dialog.m_bLoginRequired);
    EXPECT_STREQ("cics", dialog.m_strJoinTran);
    EXPECT_TRUE(user.MessageBoxes().empty());
}

TEST_F(ServiceDialog, CancelAfterARefusedOkLeavesEveryFieldAsBefore) {
    DialogUser user([](DialogUser& u) {
        u.SetText(IDC_PROGRAM, "CHANGED");
        u.SetCheck(IDC_LOGIN, false);
        u.SetText(IDC_TRANID, "ABCDE");
        u.PressOK(); // refused: the transaction id is too long
        EXPECT_EQ(1u, u.MessageBoxes().size());
        u.PressCancel();
    });
    EXPECT_EQ(IDCANCEL, dialog.DoModal());
    EXPECT_STREQ("PROG", dialog.m_strProgram);
    EXPECT_STREQ("AB", dialog.m_strTranId);
    EXPECT_EQ(1, dialog.m_bLoginRequired);
    EXPECT_STREQ("cics", dialog.m_strJoinTran);
}

TEST_F(ServiceDialog, AnErrorInAHandlerStaysInTheModuleAndTheDialogStaysOpen) {
    dialog.m_bFailOnSave = true;
    DialogUser user([](DialogUser& u) {
        u.SetText(IDC_TRANID, "XY");
        u.PressOK();
        EXPECT_TRUE(IsWindowVisible(u.Dialog()));
        EXPECT_EQ(0, g_liveErrors);
        u.PressCancel();
    });
    EXPECT_EQ(IDCANCEL, dialog.DoModal());
    EXPECT_STREQ("AB", dialog.m_strTranId);
}

TEST_F(ServiceDialog, AScriptThatLeavesTheDialogOpenEndsItWithAbort) {
    DialogUser user([](DialogUser&) {});
    EXPECT_EQ(IDABORT, dialog.DoModal());
    EXPECT_STREQ("AB", dialog.m_strTranId);
}

TEST_F(ServiceDialog, IsDrawnInTheApplicationsDialogColours) {
    CWinApp app("TEST.DLL");
    app.SetDialogBkColor(RGB(192, 192, 192), RGB(128, 0, 0));
    COLORREF background = CLR_INVALID, text = CLR_INVALID;
    DialogUser user([&](DialogUser& u) {
        HDC dc = GetDC(u.Control(IDC_LOGIN));
        auto brush = reinterpret_cast<HBRUSH>(
            SendMessageA(u.Dialog(), WM_CTLCOLORBTN, reinterpret_cast<WPARAM>(dc),
                         reinterpret_cast<LPARAM>(u.Control(IDC_LOGIN))));
        LOGBRUSH look = {};
        if (brush != nullptr && GetObjectA(brush, sizeof look, &look) == sizeof look)
            background = look.lbColor;
        text = GetTextColor(dc);
        ReleaseDC(u.Control(IDC_LOGIN), dc);
        u.PressCancel();
    });
    EXPECT_EQ(IDCANCEL, dialog.DoModal());
    EXPECT_EQ(RGB(192, 192, 192), background);
    EXPECT_EQ(RGB(128, 0, 0), text);
    app.SetDialogBkColor();
}

TEST(Dialog, MissingTemplateIsRefused) {
    AfxDllAttach(GetModuleHandleA(nullptr));
    CDialog dialog(IDD_ABSENT);
    EXPECT_EQ(-1, dialog.DoModal());
}

} // namespace
