// The application object, the DLL hooks and the exception guard around them.
#include <gtest/gtest.h>

#include <new>
#include <vector>

#include "AfxGuard.h"
#include "AfxModule.h"
#include "CWinApp.h"
#include "DllHooks.h"
#include "TempMaps.h"

namespace {

int g_liveExceptions = 0;

class CTestException : public CException {
public:
    CTestException() { ++g_liveExceptions; }
    ~CTestException() override { --g_liveExceptions; }
};

// Records the idle counts it is called with; the default handler decides.
class CRecordingApp : public CWinApp {
public:
    CRecordingApp() : CWinApp("TEST.DLL") {}
    BOOL OnIdle(LONG count) override {
        counts.push_back(count);
        if (count == throwAtCount)
            throw static_cast<CException*>(new CTestException);
        return CWinApp::OnIdle(count);
    }
    BOOL PreTranslateMessage(MSG* msg) override {
        if (msg != nullptr && msg->message == WM_USER)
            throw static_cast<CException*>(new CTestException);
        if (msg != nullptr && msg->message == WM_KEYDOWN)
            return TRUE;
        return CWinApp::PreTranslateMessage(msg);
    }
    BOOL InitInstance() override {
        ++inits;
        return TRUE;
    }
    int ExitInstance() override {
        ++exits;
        return CWinApp::ExitInstance();
    }
    std::vector<LONG> counts;
    LONG throwAtCount = -1;
    int inits = 0, exits = 0;
};

TEST(Application, IsTheModulesOneAppWhileItLives) {
    EXPECT_EQ(nullptr, AfxGetApp());
    {
        CRecordingApp app;
        EXPECT_EQ(&app, AfxGetApp());
        EXPECT_STREQ("TEST.DLL", app.m_pszAppName);
    }
    EXPECT_EQ(nullptr, AfxGetApp());
}

TEST(Application, AttachAndDetachRunInitAndExitInstance) {
    CRecordingApp app;
    HINSTANCE self = GetModuleHandleA(nullptr);
    EXPECT_TRUE(AfxDllAttach(self));
    EXPECT_EQ(self, AfxGetResourceHandle());
    EXPECT_EQ(self, AfxGetInstanceHandle());
    AfxDllDetach();
    EXPECT_EQ(1, app.inits);
    EXPECT_EQ(1, app.exits);
}

TEST(Application, DefaultDialogColoursAreGreyAndBlack) {
    CRecordingApp app;
    app.SetDialogBkColor(RGB(1, 2, 3), RGB(4, 5, 6));
    EXPECT_EQ(RGB(1, 2, 3), AfxGetDialogBkColor());
    app.SetDialogBkColor();
    EXPECT_EQ(RGB(192, 192, 192), AfxGetDialogBkColor());
    EXPECT_EQ(RGB(0, 0, 0), AfxGetDialogTextColor());
}

TEST(DllIdle, DefaultHandlerRunsExactlyTwiceWithCountsZeroAndOne) {
    CRecordingApp app;
    AfxProcessDllIdle();
    EXPECT_EQ((std::vector<LONG>{0, 1}), app.counts);
}

TEST(DllIdle, FrameworkExceptionEndsTheLoopSilentlyAndIsDeleted) {
    CRecordingApp app;
    app.throwAtCount = 0;
    AfxProcessDllIdle();
    EXPECT_EQ((std::vector<LONG>{0}), app.counts);
    EXPECT_EQ(0, g_liveExceptions);
}

TEST(DllIdle, NoApplicationIsNoWork) {
    AfxProcessDllIdle();
    MSG msg = {};
    EXPECT_FALSE(AfxFilterDllMsg(&msg));
}

TEST(DllMessageFilter, AnswersTheApplicationsPreTranslateMessage) {
    CRecordingApp app;
    MSG msg = {};
    msg.message = WM_KEYDOWN;
    EXPECT_TRUE(AfxFilterDllMsg(&msg));
    msg.message = WM_MOUSEMOVE;
    EXPECT_FALSE(AfxFilterDllMsg(&msg));
    EXPECT_FALSE(AfxFilterDllMsg(nullptr));
    msg.message = WM_USER; // throws
    EXPECT_FALSE(AfxFilterDllMsg(&msg));
    EXPECT_EQ(0, g_liveExceptions);
}

TEST(Guard, CatchesAndDeletesFrameworkExceptionsAndSwallowsOthers) {
    EXPECT_EQ(7, AfxGuard(0, [] { return 7; }));
    EXPECT_EQ(-1,
              AfxGuard(-1, []() -> int { throw static_cast<CException*>(new CTestException); }));
    EXPECT_EQ(0, g_liveExceptions);
    EXPECT_EQ(-1, AfxGuard(-1, []() -> int { AfxThrowMemoryException(); }));
    EXPECT_EQ(-1, AfxGuard(-1, []() -> int { throw std::bad_alloc(); }));
    EXPECT_EQ(-1, AfxGuard(-1, []() -> int { throw 42; }));
}

TEST(Exceptions, MemoryExceptionIsCaughtAsCExceptionAndDeletedByTheCatcher) {
    bool caught = false;
    try {
        AfxThrowMemoryException();
    } catch (CException* e) {
        caught = dynamic_cast<CMemoryException*>(e) != nullptr;
        e->Delete();
    }
    EXPECT_TRUE(caught);
}

TEST(Exceptions, DeleteLeavesAnObjectThatIsNotAutoDeleted) {
    CException onStack(FALSE);
    onStack.Delete(); // must not free a stack object
    EXPECT_FALSE(onStack.m_bAutoDelete);
}

int g_releases = 0;
void CountRelease() {
    ++g_releases;
}

TEST(TempMaps, ReleaseWaitsForTheLastUnlockAndIdleReleasesWhenUnlocked) {
    static bool registered = false;
    if (!registered) {
        AfxRegisterTempMap(CountRelease);
        registered = true;
    }
    g_releases = 0;
    AfxLockTempMaps();
    AfxLockTempMaps();
    EXPECT_FALSE(AfxUnlockTempMaps());
    EXPECT_EQ(0, g_releases);
    AfxReleaseTempObjects(); // locked: nothing
    EXPECT_EQ(0, g_releases);
    EXPECT_TRUE(AfxUnlockTempMaps());
    EXPECT_EQ(1, g_releases);
    EXPECT_FALSE(AfxUnlockTempMaps()) << "an unlock without a lock does nothing";
    EXPECT_EQ(0, AfxGetTempMapLockCount());

    CRecordingApp app;
    AfxProcessDllIdle();
    EXPECT_EQ(3, g_releases) << "both idle passes release";
    {
        CTempMapLock lock;
        AfxProcessDllIdle();
        EXPECT_EQ(3, g_releases) << "no release while a call holds the lock";
    }
    EXPECT_EQ(4, g_releases);
}

} // namespace
