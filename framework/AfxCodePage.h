// The code page whose double-byte characters the framework's strings step
// over.  It is the system's ANSI code page unless a caller chooses another
// (a test that needs double-byte text on a single-byte system, for example).
#pragma once

#include <windows.h>

UINT AfxGetAnsiCodePage();
// 0 goes back to the system's ANSI code page.
void AfxSetAnsiCodePage(UINT codePage);

// The length in bytes (1 or 2) of the character that starts at text[index]
// in a string of the given length.  A lead byte at the very end counts as one
// byte, so a cut string never makes a walk run past its end.
int AfxCharLength(const char* text, int length, int index);
