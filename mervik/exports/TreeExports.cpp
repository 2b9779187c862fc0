// The tree operations of MERVIK11.DLL.
#include "ExportGuard.h"
#include "HostOutline.h"
#include "Library.h"

using mervik::Guarded;
using mervik::TheLibrary;

HITEM WINAPI HostGetRootItem(HOUTLINE o) {
    return Guarded<HITEM>(0, [&] { return TheLibrary().RootItem(o); });
}

HITEM WINAPI HostGetParent(HOUTLINE o, HITEM i) {
    return Guarded<HITEM>(0, [&] { return TheLibrary().Parent(o, i); });
}

HITEM WINAPI HostGetFirstChild(HOUTLINE o, HITEM i) {
    return Guarded<HITEM>(0, [&] { return TheLibrary().FirstChild(o, i); });
}

HITEM WINAPI HostGetLastChild(HOUTLINE o, HITEM i) {
    return Guarded<HITEM>(0, [&] { return TheLibrary().LastChild(o, i); });
}

HITEM WINAPI HostGetNextSibling(HOUTLINE o, HITEM i) {
    return Guarded<HITEM>(0, [&] { return TheLibrary().NextSibling(o, i); });
}

HITEM WINAPI HostGetPreviousSibling(HOUTLINE o, HITEM i) {
    return Guarded<HITEM>(0, [&] { return TheLibrary().PreviousSibling(o, i); });
}

HITEM WINAPI HostFindSubItem(HOUTLINE o, HITEM i, int kind, int /*flag*/) {
    return Guarded<HITEM>(0, [&] { return TheLibrary().FindSubItem(o, i, kind); });
}

HITEM WINAPI HostFindNamedChild(HOUTLINE o, HITEM i, int sectionKind, const char* name) {
    return Guarded<HITEM>(0, [&] { return TheLibrary().FindNamedChild(o, i, sectionKind, name); });
}

int WINAPI HostGetChildKind(int parentKind, const char* typeName) {
    return Guarded<int>(0, [&] { return TheLibrary().ChildKind(parentKind, typeName); });
}
