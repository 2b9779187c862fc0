#include "DllHooks.h"

#include "AfxGuard.h"
#include "AfxModule.h"
#include "CWinApp.h"

BOOL AfxFilterDllMsg(MSG* msg) {
    CWinApp* app = AfxGetApp();
    if (app == nullptr)
        return FALSE;
    return AfxGuard(FALSE, [&] { return app->PreTranslateMessage(msg); });
}

void AfxProcessDllIdle() {
    CWinApp* app = AfxGetApp();
    if (app == nullptr)
        return;
    AfxGuard(0, [&] {
        LONG count = 0;
        while (app->OnIdle(count))
            ++count;
        return 0;
    });
}
