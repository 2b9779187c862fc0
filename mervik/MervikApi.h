// MERVIK11.DLL's own API, exported by name, for the designer and the tests:
// opening, building, loading, saving and printing outlines, design windows and
// diagnostics.  Handles are those of the outline operations (HostOutline.h).
#pragma once

#include <windows.h>

#ifdef MERVIK11_BUILD
#define MERVIKAPI extern "C" __declspec(dllexport)
#else
#define MERVIKAPI extern "C" __declspec(dllimport)
#endif

// A new empty outline (its root only); it becomes the current outline.
MERVIKAPI DWORD MervikOpenOutline(const char* name);
MERVIKAPI BOOL MervikSetCurrentOutline(DWORD outline);
// Appends an item of that kind and text as the parent's last child; 0 on failure.
MERVIKAPI DWORD MervikAddItem(DWORD outline, DWORD parent, int kind, const char* text);
MERVIKAPI BOOL MervikSetItemProtected(DWORD outline, DWORD item, BOOL isProtected);
// The first item in outline order whose name (text up to ':', '!', blank or tab) matches.
MERVIKAPI DWORD MervikFindItemByName(DWORD outline, const char* name);

// Loads an outline text (file or memory) as a new current outline.  A malformed text
// gives 0, its line number through *errorLine and the reason in message.
MERVIKAPI DWORD MervikLoadOutlineFile(const char* path, int* errorLine, char* message,
                                      int messageSize);
MERVIKAPI DWORD MervikLoadOutlineText(const char* text, int* errorLine, char* message,
                                      int messageSize);
MERVIKAPI BOOL MervikSaveOutlineFile(DWORD outline, const char* path);
// These copy the text into buffer (when it fits with its NUL) and answer its length
// without the NUL, or -1 for an unknown outline.
MERVIKAPI int MervikSaveOutlineText(DWORD outline, char* buffer, int size);
MERVIKAPI int MervikPrintOutline(DWORD outline, char* buffer, int size);

// Opens the design windows of a top-level window item; its window, or null.
MERVIKAPI HWND MervikOpenDesignWindows(DWORD outline, DWORD item);

// The number of live host strings owned by callers.
MERVIKAPI DWORD MervikLiveStringCount(void);
// What HostExecute answers and writes, and the last command line it received.
MERVIKAPI void MervikSetExecuteAnswer(BOOL answer, DWORD result);
MERVIKAPI int MervikLastExecuted(char* buffer, int size);
