// The editing operations of MERVIK11.DLL.
#include "DesignWindows.h"
#include "ExportGuard.h"
#include "HostOutline.h"
#include "Library.h"

using mervik::Answer;
using mervik::Guarded;
using mervik::TheLibrary;

HITEM WINAPI HostInsertItem(HOUTLINE o, HITEM parent, HITEM after, int kind) {
    return Guarded<HITEM>(0, [&] { return TheLibrary().InsertItem(o, parent, after, kind); });
}

BOOL WINAPI HostDeleteItem(HOUTLINE o, HITEM i) {
    return Guarded<BOOL>(FALSE, [&] { return Answer(TheLibrary().DeleteItem(o, i)); });
}

HITEM WINAPI HostCopyItem(HOUTLINE from, HITEM item, HOUTLINE to, HITEM parent, HITEM after,
                          int /*one*/, int /*flag*/) {
    return Guarded<HITEM>(0, [&] { return TheLibrary().CopyItem(from, item, to, parent, after); });
}

BOOL WINAPI HostCheckOutlineA(HOUTLINE o) {
    return Guarded<BOOL>(FALSE, [&] { return Answer(TheLibrary().CheckLinks(o)); });
}

BOOL WINAPI HostCheckOutlineB(HOUTLINE o) {
    return Guarded<BOOL>(FALSE, [&] { return Answer(TheLibrary().CheckKinds(o)); });
}

BOOL WINAPI HostSetOutlineMode(HOUTLINE o, BOOL on) {
    return Guarded<BOOL>(FALSE, [&] { return Answer(TheLibrary().SetOutlineMode(o, on != 0)); });
}

BOOL WINAPI HostIsEditOpen(HOUTLINE o) {
    return Guarded<BOOL>(FALSE, [&] { return Answer(TheLibrary().IsEditOpen(o)); });
}

BOOL WINAPI HostOpenEdit(void) {
    return Guarded<BOOL>(FALSE, [&] { return Answer(TheLibrary().edit.Open()); });
}

HEDITMARK WINAPI HostEditMark(HITEM i) {
    return Guarded<HEDITMARK>(0, [&] { return TheLibrary().EditMark(i); });
}

BOOL WINAPI HostCloseEdit(HEDITMARK mark) {
    return Guarded<BOOL>(FALSE, [&] { return Answer(TheLibrary().edit.Close(mark)); });
}

BOOL WINAPI HostEndEdit(int /*flag*/) {
    return Guarded<BOOL>(FALSE, [&] { return Answer(TheLibrary().edit.End()); });
}

BOOL WINAPI HostCloseOutline(HOUTLINE o) {
    return Guarded<BOOL>(FALSE, [&] {
        mervik::DesignWindows::Instance().CloseOutline(o);
        return Answer(TheLibrary().CloseOutline(o));
    });
}

HOUTLINE WINAPI HostGetCurrentOutline(void) {
    return Guarded<HOUTLINE>(0, [&] { return TheLibrary().CurrentOutline(); });
}
