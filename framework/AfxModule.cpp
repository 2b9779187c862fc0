#include "AfxModule.h"

#include "AfxGuard.h"
#include "CWinApp.h"

namespace {
struct ModuleState {
    HINSTANCE instance = nullptr;
    CWinApp* app = nullptr;
    COLORREF dialogBackground = GetSysColor(COLOR_BTNFACE);
    COLORREF dialogText = GetSysColor(COLOR_WINDOWTEXT);
};

ModuleState& State() {
    // Built on first use, so that an application object constructed during
    // static initialisation finds it whatever the order of the files.
    static ModuleState state;
    return state;
}
} // namespace

CWinApp* AfxGetApp() {
    return State().app;
}
HINSTANCE AfxGetInstanceHandle() {
    return State().instance;
}
HINSTANCE AfxGetResourceHandle() {
    return State().instance;
}
COLORREF AfxGetDialogBkColor() {
    return State().dialogBackground;
}
COLORREF AfxGetDialogTextColor() {
    return State().dialogText;
}

void AfxSetDialogColors(COLORREF background, COLORREF text) {
    State().dialogBackground = background;
    State().dialogText = text;
}

void AfxSetApp(CWinApp* app) {
    State().app = app;
}

BOOL AfxDllAttach(HINSTANCE module) {
    State().instance = module;
    CWinApp* app = State().app;
    if (app == nullptr)
        return TRUE;
    // An exception must not escape into the loader: it fails the load instead.
    return AfxGuard(FALSE, [app] { return app->InitInstance(); });
}

void AfxDllDetach() {
    CWinApp* app = State().app;
    if (app != nullptr)
        AfxGuard(0, [app] { return app->ExitInstance(); });
}
