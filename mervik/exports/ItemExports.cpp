// The item operations of MERVIK11.DLL.
#include "ExportGuard.h"
#include "HostOutline.h"
#include "Library.h"

using mervik::Answer;
using mervik::Guarded;
using mervik::TheLibrary;

int WINAPI HostGetItemKind(HOUTLINE o, HITEM i) {
    return Guarded<int>(0, [&] { return TheLibrary().ItemKind(o, i); });
}

BOOL WINAPI HostGetKindName(int kind, HOSTSTR* h) {
    return Guarded<BOOL>(FALSE, [&] {
        return Answer(TheLibrary().KindName(kind, mervik::HandleSlot<HOSTSTR>(h).get()));
    });
}

BOOL WINAPI HostGetItemText(HOUTLINE o, HITEM i, int mode, HOSTSTR* h) {
    return Guarded<BOOL>(FALSE, [&] {
        return Answer(TheLibrary().ItemText(o, i, mode, mervik::HandleSlot<HOSTSTR>(h).get()));
    });
}

BOOL WINAPI HostSetItemText(HOUTLINE o, HITEM i, const char* text, int lines) {
    return Guarded<BOOL>(FALSE,
                         [&] { return Answer(TheLibrary().SetItemText(o, i, text, lines)); });
}

BOOL WINAPI HostGetItemProperty(HOUTLINE o, HITEM i, int kind, int flag, HOSTSTR* h) {
    return Guarded<BOOL>(FALSE, [&] {
        return Answer(
            TheLibrary().ItemProperty(o, i, kind, flag, mervik::HandleSlot<HOSTSTR>(h).get()));
    });
}

BOOL WINAPI HostSetItemProperty(HOUTLINE o, HITEM i, int kind, const char* text, int lines) {
    return Guarded<BOOL>(
        FALSE, [&] { return Answer(TheLibrary().SetItemProperty(o, i, kind, text, lines)); });
}

BOOL WINAPI HostNotifyItemChanged(HOUTLINE o, HITEM i, int kind) {
    return Guarded<BOOL>(FALSE, [&] { return Answer(TheLibrary().NotifyItemChanged(o, i, kind)); });
}

BOOL WINAPI HostGetNamedProperty(HOUTLINE o, HITEM i, const char* name, HOSTSTR* h) {
    return Guarded<BOOL>(FALSE, [&] {
        return Answer(TheLibrary().NamedProperty(o, i, name, mervik::HandleSlot<HOSTSTR>(h).get()));
    });
}

BOOL WINAPI HostSetNamedProperty(HOUTLINE o, HITEM i, const char* name, const void* data,
                                 WORD length) {
    return Guarded<BOOL>(
        FALSE, [&] { return Answer(TheLibrary().SetNamedProperty(o, i, name, data, length)); });
}

BOOL WINAPI HostRemoveNamedProperty(HOUTLINE o, HITEM i, const char* name) {
    return Guarded<BOOL>(FALSE,
                         [&] { return Answer(TheLibrary().RemoveNamedProperty(o, i, name)); });
}

BOOL WINAPI HostSetItemClass(HOUTLINE o, HITEM i, const char* className) {
    return Guarded<BOOL>(FALSE, [&] { return Answer(TheLibrary().SetItemClass(o, i, className)); });
}

BOOL WINAPI HostIsItemProtected(HOUTLINE o, HITEM i) {
    return Guarded<BOOL>(FALSE, [&] { return Answer(TheLibrary().IsItemProtected(o, i)); });
}

BOOL WINAPI HostMarkItemModified(HOUTLINE o, HITEM i, DWORD flags, DWORD, DWORD) {
    return Guarded<BOOL>(FALSE, [&] { return Answer(TheLibrary().MarkItemModified(o, i, flags)); });
}

BOOL WINAPI HostSetDefaultName(HOUTLINE o, HITEM i) {
    return Guarded<BOOL>(FALSE, [&] { return Answer(TheLibrary().SetDefaultName(o, i)); });
}

HOSTSTR WINAPI HostPrepareItemText(const char* text) {
    return Guarded<HOSTSTR>(0, [&] { return TheLibrary().PrepareItemText(text); });
}

HOSTSTR WINAPI HostParseStatement(const char* text, HOUTLINE o, HITEM i, int* kind) {
    return Guarded<HOSTSTR>(0, [&] { return TheLibrary().ParseStatement(text, o, i, kind); });
}

BOOL WINAPI HostUpdateClassDefinition(HOUTLINE o, HITEM i) {
    return Guarded<BOOL>(FALSE, [&] { return Answer(TheLibrary().UpdateClassDefinition(o, i)); });
}

BOOL WINAPI HostRefreshLibrary(HOUTLINE o, HITEM i) {
    return Guarded<BOOL>(FALSE, [&] { return Answer(TheLibrary().RefreshLibrary(o, i)); });
}
