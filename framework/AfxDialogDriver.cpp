#include "AfxDialogDriver.h"

namespace {
AfxModalDialogDriver g_driver = nullptr;
void* g_context = nullptr;
} // namespace

void AfxSetModalDialogDriver(AfxModalDialogDriver driver, void* context) {
    g_driver = driver;
    g_context = driver != nullptr ? context : nullptr;
}

BOOL AfxRunModalDialogDriver(HWND dialog) {
    if (g_driver == nullptr)
        return FALSE;
    g_driver(dialog, g_context);
    return TRUE;
}
