// Tells the user something from the module: a message box owned by the
// active window (a running dialog of the module, or the host's window), with
// the application's name as its caption.
#pragma once

#include <windows.h>

int AfxMessageBox(const char* text, UINT type = MB_OK | MB_ICONEXCLAMATION);
