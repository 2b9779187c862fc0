// The operations of the host's outline library, MERVIK11.DLL, as the module
// calls them.  Every operation is imported by ordinal (HostOrdinals.h) and
// uses the stdcall convention; 0 is failure or "none" unless stated.
//
// Handles are opaque 32-bit values owned by the library.  A host string
// handed to the caller (through an HOSTSTR* out argument left at 0, or as a
// result) belongs to the caller, who releases it with HostFreeString, unless
// the operation says the library keeps it.
#pragma once

#include <windows.h>

#ifdef MERVIK11_BUILD
#define HOSTAPI extern "C" __declspec(dllexport)
#else
#define HOSTAPI extern "C" __declspec(dllimport)
#endif

typedef DWORD HOUTLINE;  // an open outline
typedef DWORD HITEM;     // an item of an outline
typedef DWORD HOSTSTR;      // a host string
typedef DWORD HOSTSTRARRAY; // an array of host strings
typedef DWORD HEDITMARK; // a position recorded inside an edit bracket

// A host number: the library's 16-byte form of a layout value.
typedef struct HOSTNUMBER {
    BYTE bytes[16];
} HOSTNUMBER;

// Tree.  Each navigation answers an item or 0.
HOSTAPI HITEM WINAPI HostGetRootItem(HOUTLINE o);
HOSTAPI HITEM WINAPI HostGetParent(HOUTLINE o, HITEM i);
HOSTAPI HITEM WINAPI HostGetFirstChild(HOUTLINE o, HITEM i);
HOSTAPI HITEM WINAPI HostGetLastChild(HOUTLINE o, HITEM i);
HOSTAPI HITEM WINAPI HostGetNextSibling(HOUTLINE o, HITEM i);
HOSTAPI HITEM WINAPI HostGetPreviousSibling(HOUTLINE o, HITEM i);
// The sub-item of that kind; i itself when i holds the property on its own line.
HOSTAPI HITEM WINAPI HostFindSubItem(HOUTLINE o, HITEM i, int kind, int flag);
HOSTAPI HITEM WINAPI HostFindNamedChild(HOUTLINE o, HITEM i, int sectionKind, const char* name);
// The kind that declares an item of the type name under a parent of that kind, or 0.
HOSTAPI int WINAPI HostGetChildKind(int parentKind, const char* typeName);

// Items.  Getters that take an HOSTSTR* write the text into *h: into the string
// it names when it is nonzero, else into a new caller-owned string.
HOSTAPI int WINAPI HostGetItemKind(HOUTLINE o, HITEM i);
HOSTAPI BOOL WINAPI HostGetKindName(int kind, HOSTSTR* h);
HOSTAPI BOOL WINAPI HostGetItemText(HOUTLINE o, HITEM i, int mode /* 0 name, 1 text */, HOSTSTR* h);
HOSTAPI BOOL WINAPI HostSetItemText(HOUTLINE o, HITEM i, const char* text, int lines);
// With flag 1 the library keeps the string it writes (the caller does not free it).
HOSTAPI BOOL WINAPI HostGetItemProperty(HOUTLINE o, HITEM i, int kind, int flag, HOSTSTR* h);
HOSTAPI BOOL WINAPI HostSetItemProperty(HOUTLINE o, HITEM i, int kind, const char* text,
                                        int lines);
HOSTAPI BOOL WINAPI HostNotifyItemChanged(HOUTLINE o, HITEM i, int kind);
HOSTAPI BOOL WINAPI HostGetNamedProperty(HOUTLINE o, HITEM i, const char* name, HOSTSTR* h);
HOSTAPI BOOL WINAPI HostSetNamedProperty(HOUTLINE o, HITEM i, const char* name, const void* data,
                                         WORD length);
HOSTAPI BOOL WINAPI HostRemoveNamedProperty(HOUTLINE o, HITEM i, const char* name);
HOSTAPI BOOL WINAPI HostSetItemClass(HOUTLINE o, HITEM i, const char* className);
HOSTAPI BOOL WINAPI HostIsItemProtected(HOUTLINE o, HITEM i);
HOSTAPI BOOL WINAPI HostMarkItemModified(HOUTLINE o, HITEM i, DWORD flags, DWORD reserved1,
                                         DWORD reserved2);
HOSTAPI BOOL WINAPI HostSetDefaultName(HOUTLINE o, HITEM i);
// A new caller-owned string with the text in the form the outline stores names.
HOSTAPI HOSTSTR WINAPI HostPrepareItemText(const char* text);
// The canonical text of a statement (a string the library keeps) and its kind
// through *kind, or 0 when the text is no statement.
HOSTAPI HOSTSTR WINAPI HostParseStatement(const char* text, HOUTLINE o, HITEM i, int* kind);
HOSTAPI BOOL WINAPI HostUpdateClassDefinition(HOUTLINE o, HITEM i);
HOSTAPI BOOL WINAPI HostRefreshLibrary(HOUTLINE o, HITEM i);

// Editing.
HOSTAPI HITEM WINAPI HostInsertItem(HOUTLINE o, HITEM parent, HITEM after /* 0: first */,
                                    int kind);
HOSTAPI BOOL WINAPI HostDeleteItem(HOUTLINE o, HITEM i);
HOSTAPI HITEM WINAPI HostCopyItem(HOUTLINE from, HITEM item, HOUTLINE to, HITEM parent,
                                  HITEM after, int one, int flag);
HOSTAPI BOOL WINAPI HostCheckOutlineA(HOUTLINE o);
HOSTAPI BOOL WINAPI HostCheckOutlineB(HOUTLINE o);
// Answers the previous mode.
HOSTAPI BOOL WINAPI HostSetOutlineMode(HOUTLINE o, BOOL on);
HOSTAPI BOOL WINAPI HostIsEditOpen(HOUTLINE o);
HOSTAPI BOOL WINAPI HostOpenEdit(void);
HOSTAPI HEDITMARK WINAPI HostEditMark(HITEM i);
HOSTAPI BOOL WINAPI HostCloseEdit(HEDITMARK mark);
HOSTAPI BOOL WINAPI HostEndEdit(int flag);
HOSTAPI BOOL WINAPI HostCloseOutline(HOUTLINE o);
HOSTAPI HOUTLINE WINAPI HostGetCurrentOutline(void);

// Design-time windows and layout units.
HOSTAPI HWND WINAPI HostGetItemWindow(HOUTLINE o, HITEM i);
HOSTAPI HITEM WINAPI HostGetWindowItem(HWND w);
HOSTAPI HOUTLINE WINAPI HostGetWindowOutline(HWND w);
HOSTAPI HWND WINAPI HostRebuildItemWindow(HOUTLINE o, HITEM i);
HOSTAPI DWORD WINAPI HostGetWindowValue(HWND w);
HOSTAPI int WINAPI HostUnitsToPixels(HWND w, HOSTNUMBER n, BOOL vertical);
// Both answer n, so that a conversion can be passed straight on.
HOSTAPI HOSTNUMBER* WINAPI HostPixelsToUnits(HOSTNUMBER* n, HWND w, int pixels, BOOL vertical);
HOSTAPI HOSTNUMBER* WINAPI HostNumberFromDouble(double x, HOSTNUMBER* n);
HOSTAPI BOOL WINAPI HostNumberToDouble(const HOSTNUMBER* n, double* x);

// Strings and string arrays.
// Creates *h when it is 0, else resizes it, to hold `bytes` bytes.
HOSTAPI BOOL WINAPI HostSetStringSize(HOSTSTR* h, DWORD bytes);
// The string's writable text and, through *length, its length; null for no string.
HOSTAPI char* WINAPI HostLockString(HOSTSTR h, DWORD* length);
HOSTAPI BOOL WINAPI HostFreeString(HOSTSTR h);
HOSTAPI HOSTSTR WINAPI HostConvertText(HOSTSTR h);
// A string the library keeps.
HOSTAPI HOSTSTR WINAPI HostGetStringById(int id);
// A new array of that many empty entries (the module asks for 5 and resizes it later).
HOSTAPI HOSTSTRARRAY WINAPI HostCreateStringArray(int initialCount);
HOSTAPI BOOL WINAPI HostResizeStringArray(HOSTSTRARRAY a, int first, int count);
// The array takes over h.
HOSTAPI BOOL WINAPI HostSetArrayString(HOSTSTRARRAY a, HOSTSTR h, int index);
HOSTAPI BOOL WINAPI HostGetArrayString(HOSTSTRARRAY a, HOSTSTR* h, int index);
HOSTAPI BOOL WINAPI HostDestroyStringArray(HOSTSTRARRAY a);

// Running the designed application.
HOSTAPI BOOL WINAPI HostSetExecuting(BOOL executing);
HOSTAPI BOOL WINAPI HostExecute(const char* command, int mode, DWORD* result);
