// The framework's side of the two hooks a host calls on a DLL: let the
// module's application see a message first, and run its idle processing.
#pragma once

#include <windows.h>

// The application's PreTranslateMessage result; FALSE when there is no
// application or a framework exception was raised.
BOOL AfxFilterDllMsg(MSG* msg);
// Calls the application's OnIdle with counts 0, 1, 2, ... until it answers
// FALSE.  A framework exception ends the loop silently.
void AfxProcessDllIdle();
