// The commands a commander may send to a CICS component: "Invoke" for a
// Program Service; "Commit", "Abort" and, unless the transaction starts by
// itself, "Start" for a Transaction Service; and the two reply commands for
// an asynchronous service of either kind.
#pragma once

#include <windows.h>

// Empties the list box and adds the commands in that order; answers how many.
int EnumerateCommands(HWND component, HWND listBox);

extern "C" int DSEnumCommands(HWND component, HWND listBox);
