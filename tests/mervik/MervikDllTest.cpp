// MERVIK11.DLL as the module meets it: every operation looked up by ordinal in
// the loaded DLL, its normal answer, bad input answered with 0 and no string
// left behind, and the design windows of a loaded fixture.
#include <gtest/gtest.h>
#include <windows.h>

#include <cstring>
#include <functional>
#include <string>
#include <vector>

#include "HostOutline.h"
#include "MervikApi.h"
#include "TestPaths.h"

namespace {

enum HostOrdinal {
#define HOST_OPERATION(ordinal, name, bytes) ORD_##name = ordinal,
#include "HostOrdinals.h"
#undef HOST_OPERATION
};

HMODULE Mervik() {
    static HMODULE module = LoadLibraryA((BinaryFolder() + "MERVIK11.DLL").c_str());
    return module;
}

template <class Fn> Fn* ByOrdinal(int ordinal) {
    FARPROC proc = GetProcAddress(Mervik(), MAKEINTRESOURCEA(ordinal));
    EXPECT_NE(nullptr, proc) << "ordinal " << ordinal;
    return reinterpret_cast<Fn*>(reinterpret_cast<void*>(proc));
}

#define HOST(name) ByOrdinal<decltype(name)>(ORD_##name)

std::string TextOf(HOSTSTR h) {
    DWORD length = 0;
    const char* text = HOST(HostLockString)(h, &length);
    return text != nullptr ? std::string(text) : std::string("<null>");
}

class DllOutline : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_NE(nullptr, Mervik());
        o = MervikOpenOutline("dll");
        root = HOST(HostGetRootItem)(o);
        app = MervikAddItem(o, root, 29, "Sample");
        form = MervikAddItem(o, app, 1, "frmMain");
        contents = MervikAddItem(o, form, 114, "");
        field = MervikAddItem(o, contents, 4, "dfName");
        live = MervikLiveStringCount();
    }
    void TearDown() override {
        HOST(HostCloseOutline)(o);
        EXPECT_EQ(live, MervikLiveStringCount());
    }
    HOUTLINE o = 0;
    HITEM root = 0, app = 0, form = 0, contents = 0, field = 0;
    DWORD live = 0;
};

TEST_F(DllOutline, OperationsAnswerThroughTheirOrdinals) {
    EXPECT_EQ(field, HOST(HostGetFirstChild)(o, contents));
    EXPECT_EQ(contents, HOST(HostGetParent)(o, field));
    EXPECT_EQ(4, HOST(HostGetItemKind)(o, field));
    EXPECT_EQ(field, HOST(HostFindNamedChild)(o, form, 114, "dfName"));
    EXPECT_EQ(o, HOST(HostGetCurrentOutline)());
    EXPECT_EQ(172, HOST(HostGetChildKind)(223, "Number"));

    // The kit's way with texts: a 1-byte string of its own, the getter, then free.
    HOSTSTR h = 0;
    ASSERT_TRUE(HOST(HostSetStringSize)(&h, 1));
    ASSERT_TRUE(HOST(HostGetItemText)(o, field, 1, &h));
    EXPECT_EQ("dfName", TextOf(h));
    EXPECT_TRUE(HOST(HostFreeString)(h));

    const char yes[] = "YES";
    ASSERT_TRUE(HOST(HostSetNamedProperty)(o, field, "DATASOURCE", yes, 4));
    h = 0;
    ASSERT_TRUE(HOST(HostGetNamedProperty)(o, field, "DATASOURCE", &h));
    DWORD length = 0;
    EXPECT_STREQ("YES", HOST(HostLockString)(h, &length));
    EXPECT_EQ(4u, length);
    EXPECT_TRUE(HOST(HostFreeString)(h));

    ASSERT_TRUE(HOST(HostSetItemProperty)(o, field, 235, "1.25", 1));
    EXPECT_EQ(field, HOST(HostFindSubItem)(o, field, 235, 1));
    h = 0;
    ASSERT_TRUE(HOST(HostGetItemProperty)(o, field, 235, 1, &h));
    EXPECT_EQ("1.25", TextOf(h));
    EXPECT_FALSE(HOST(HostFreeString)(h)); // kept by the library

    int kind = 0;
    HOSTSTR parsed = HOST(HostParseStatement)("Set x = 1", o, field, &kind);
    EXPECT_EQ("x = 1", TextOf(parsed));
    EXPECT_EQ(600, kind);

    HOSTNUMBER n;
    double x = 0;
    ASSERT_EQ(&n, HOST(HostNumberFromDouble)(1.5, &n));
    ASSERT_TRUE(HOST(HostNumberToDouble)(&n, &x));
    EXPECT_EQ(1.5, x);
    HOSTNUMBER garbage = {};
    EXPECT_FALSE(HOST(HostNumberToDouble)(&garbage, &x));

    HOST(HostSetExecuting)(TRUE);
    MervikSetExecuteAnswer(TRUE, 7);
    DWORD result = 0;
    EXPECT_TRUE(HOST(HostExecute)("app.exe /run", 1, &result));
    EXPECT_EQ(7u, result);
    EXPECT_TRUE(HOST(HostSetExecuting)(FALSE));
    char command[64] = {};
    EXPECT_EQ(12, MervikLastExecuted(command, sizeof command));
    EXPECT_STREQ("app.exe /run", command);
}

TEST_F(DllOutline, BadHandlesAreAnsweredWithNothing) {
    HITEM deleted = MervikAddItem(o, contents, 6, "pbGone");
    HITEM inside = MervikAddItem(o, deleted, 232, "title");
    ASSERT_TRUE(HOST(HostDeleteItem)(o, deleted));
    HOSTSTR freed = 0;
    ASSERT_TRUE(HOST(HostSetStringSize)(&freed, 8));
    ASSERT_TRUE(HOST(HostFreeString)(freed));
    HOSTSTRARRAY array = HOST(HostCreateStringArray)(5);
    ASSERT_NE(0u, array);

    struct Handle {
        const char* what;
        HOUTLINE o;
        HITEM i;
    } handles[] = {
        {"zero item", o, 0},           {"zero outline", 0, field},
        {"unknown item", o, 0x7FFFFF}, {"unknown outline", 0x7FFFFF, field},
        {"deleted item", o, deleted},  {"item inside a deleted subtree", o, inside},
    };
    for (const Handle& c : handles) {
        SCOPED_TRACE(c.what);
        HOSTSTR h = 0;
        EXPECT_EQ(0u, HOST(HostGetFirstChild)(c.o, c.i));
        EXPECT_EQ(0u, HOST(HostGetNextSibling)(c.o, c.i));
        EXPECT_EQ(0u, HOST(HostGetParent)(c.o, c.i));
        EXPECT_EQ(0u, HOST(HostFindSubItem)(c.o, c.i, 232, 1));
        EXPECT_EQ(0u, HOST(HostFindNamedChild)(c.o, c.i, 0, "x"));
        EXPECT_EQ(0, HOST(HostGetItemKind)(c.o, c.i));
        EXPECT_FALSE(HOST(HostGetItemText)(c.o, c.i, 1, &h));
        EXPECT_FALSE(HOST(HostSetItemText)(c.o, c.i, "x", 1));
        EXPECT_FALSE(HOST(HostGetItemProperty)(c.o, c.i, 232, 0, &h));
        EXPECT_FALSE(HOST(HostSetItemProperty)(c.o, c.i, 232, "x", 1));
        EXPECT_FALSE(HOST(HostGetNamedProperty)(c.o, c.i, "X", &h));
        EXPECT_FALSE(HOST(HostSetNamedProperty)(c.o, c.i, "X", "x", 2));
        EXPECT_FALSE(HOST(HostDeleteItem)(c.o, c.i));
        EXPECT_EQ(0u, HOST(HostInsertItem)(c.o, c.i, 0, 4));
        EXPECT_EQ(0u, HOST(HostCopyItem)(c.o, c.i, o, contents, 0, 1, 0));
        EXPECT_FALSE(HOST(HostSetDefaultName)(c.o, c.i));
        EXPECT_EQ(nullptr, HOST(HostGetItemWindow)(c.o, c.i));
        EXPECT_EQ(nullptr, HOST(HostRebuildItemWindow)(c.o, c.i));
        EXPECT_EQ(0u, h);
        EXPECT_EQ(live, MervikLiveStringCount());
    }

    struct StringCase {
        const char* what;
        std::function<BOOL()> call;
    } strings[] = {
        {"free 0", [] { return HOST(HostFreeString)(0); }},
        {"free twice", [&] { return HOST(HostFreeString)(freed); }},
        {"lock freed", [&] { return BOOL(HOST(HostLockString)(freed, nullptr) != nullptr); }},
        {"convert freed", [&] { return BOOL(HOST(HostConvertText)(freed) != 0); }},
        {"resize freed",
         [&] {
             HOSTSTR h = freed;
             return HOST(HostSetStringSize)(&h, 4);
         }},
        {"absurd size",
         [] {
             HOSTSTR h = 0;
             return HOST(HostSetStringSize)(&h, 0xFFFFFFF0u);
         }},
        {"absurd array", [] { return BOOL(HOST(HostCreateStringArray)(0x7FFFFFFF) != 0); }},
        {"absurd resize", [&] { return HOST(HostResizeStringArray)(array, 0, 0x7FFFFFFF); }},
        {"negative resize", [&] { return HOST(HostResizeStringArray)(array, 0, -3); }},
        {"index out of range",
         [&] {
             HOSTSTR h = 0;
             return HOST(HostGetArrayString)(array, &h, 5);
         }},
        {"negative index",
         [&] {
             HOSTSTR h = 0;
             return HOST(HostGetArrayString)(array, &h, -1);
         }},
        {"set freed string", [&] { return HOST(HostSetArrayString)(array, freed, 0); }},
        {"unknown array", [] { return HOST(HostResizeStringArray)(0x7FFFFF, 0, 1); }},
        {"no statement",
         [&] { return BOOL(HOST(HostParseStatement)(nullptr, o, field, nullptr) != 0); }},
        {"null name", [&] { return HOST(HostSetItemClass)(o, field, nullptr); }},
        {"null type", [] { return BOOL(HOST(HostGetChildKind)(223, nullptr) != 0); }},
        {"no window", [] { return BOOL(HOST(HostGetWindowItem)(nullptr) != 0); }},
        {"units of no window",
         [] {
             HOSTNUMBER n;
             HOST(HostNumberFromDouble)(1.0, &n);
             return BOOL(HOST(HostUnitsToPixels)(nullptr, n, FALSE) != 0);
         }},
        {"execute nothing",
         [] {
             DWORD r = 0;
             return HOST(HostExecute)(nullptr, 1, &r);
         }},
        {"close edit without bracket", [] { return HOST(HostCloseEdit)(12345); }},
        {"end edit without bracket", [] { return HOST(HostEndEdit)(1); }},
    };
    for (const StringCase& c : strings) {
        EXPECT_FALSE(c.call()) << c.what;
        EXPECT_EQ(live, MervikLiveStringCount()) << c.what;
    }
    EXPECT_TRUE(HOST(HostDestroyStringArray)(array));
    EXPECT_FALSE(HOST(HostDestroyStringArray)(array));
}

TEST_F(DllOutline, ArrayOfItemNamesAsTheModuleFillsIt) {
    HOSTSTRARRAY array = HOST(HostCreateStringArray)(5);
    ASSERT_TRUE(HOST(HostResizeStringArray)(array, 0, 2));
    const char* names[] = {"CUSTNO", "NAME"};
    for (int i = 0; i < 2; ++i) {
        HOSTSTR h = 0;
        ASSERT_TRUE(HOST(HostSetStringSize)(&h, DWORD(std::strlen(names[i]) + 1)));
        std::strcpy(HOST(HostLockString)(h, nullptr), names[i]);
        ASSERT_TRUE(HOST(HostSetArrayString)(array, h, i));
    }
    EXPECT_EQ(live, MervikLiveStringCount());
    for (int i = 0; i < 2; ++i) {
        HOSTSTR h = 0;
        ASSERT_TRUE(HOST(HostGetArrayString)(array, &h, i));
        EXPECT_EQ(names[i], TextOf(h));
    }
    EXPECT_TRUE(HOST(HostDestroyStringArray)(array));
}

TEST_F(DllOutline, EditBracketAsTheKitUsesIt) {
    EXPECT_FALSE(HOST(HostIsEditOpen)(o));
    ASSERT_TRUE(HOST(HostOpenEdit)());
    EXPECT_TRUE(HOST(HostIsEditOpen)(o));
    HEDITMARK mark = HOST(HostEditMark)(field);
    ASSERT_NE(0u, mark);
    ASSERT_TRUE(HOST(HostDeleteItem)(o, field));
    EXPECT_TRUE(HOST(HostCloseEdit)(mark));
    EXPECT_TRUE(HOST(HostEndEdit)(1));
    EXPECT_FALSE(HOST(HostIsEditOpen)(o));
}

// The design windows of the fixture's form, found through the outline.
class DesignWindowsOfFixture : public ::testing::Test {
protected:
    void SetUp() override {
        int line = 0;
        char message[128] = {};
        o = MervikLoadOutlineFile((BinaryFolder() + "fixtures\\every_form.outline").c_str(), &line,
                                  message, sizeof message);
        ASSERT_NE(0u, o) << line << ": " << message;
        form = MervikFindItemByName(o, "frmOrders");
        ASSERT_NE(0u, form);
        top = MervikOpenDesignWindows(o, form);
        ASSERT_NE(nullptr, top);
    }
    void TearDown() override { HOST(HostCloseOutline)(o); }
    HOUTLINE o = 0;
    HITEM form = 0;
    HWND top = nullptr;
};

TEST_F(DesignWindowsOfFixture, EveryChildWindowItemHasARealWindowThatMapsBack) {
    EXPECT_EQ(top, HOST(HostGetItemWindow)(o, form));
    EXPECT_EQ(form, HOST(HostGetWindowItem)(top));
    HITEM contents = HOST(HostFindSubItem)(o, form, 114, 1);
    int windows = 0;
    for (HITEM child = HOST(HostGetFirstChild)(o, contents); child != 0;
         child = HOST(HostGetNextSibling)(o, child)) {
        int kind = HOST(HostGetItemKind)(o, child);
        HWND w = HOST(HostGetItemWindow)(o, child);
        if (kind != 4 && kind != 6 && kind != 12) {
            EXPECT_EQ(nullptr, w) << kind; // kind 477 is no child window
            continue;
        }
        ++windows;
        ASSERT_TRUE(IsWindow(w)) << kind;
        EXPECT_EQ(top, GetParent(w));
        EXPECT_EQ(child, HOST(HostGetWindowItem)(w));
        EXPECT_EQ(o, HOST(HostGetWindowOutline)(w));
        HDC dc = GetDC(w);
        EXPECT_NE(nullptr, dc);
        ReleaseDC(w, dc);
    }
    EXPECT_EQ(3, windows);

    // The field's left edge is 0.1 inch into the form's client area.
    HITEM field = HOST(HostFindNamedChild)(o, form, 114, "dfCustNo");
    HWND fieldWindow = HOST(HostGetItemWindow)(o, field);
    HOSTNUMBER n;
    int expected = HOST(HostUnitsToPixels)(top, *HOST(HostNumberFromDouble)(0.1, &n), FALSE);
    RECT rect;
    GetWindowRect(fieldWindow, &rect);
    POINT corner = {rect.left, rect.top};
    ScreenToClient(top, &corner);
    EXPECT_EQ(expected, corner.x);
    EXPECT_GT(expected, 0);
    double inches = 0;
    HOST(HostPixelsToUnits)(&n, top, expected, FALSE);
    ASSERT_TRUE(HOST(HostNumberToDouble)(&n, &inches));
    EXPECT_NEAR(0.1, inches, 0.01);

    char className[64] = {};
    GetClassNameA(HOST(HostGetItemWindow)(o, HOST(HostFindNamedChild)(o, form, 114, "pbInvoke")),
                  className, sizeof className);
    EXPECT_STREQ("Button", className);
}

TEST_F(DesignWindowsOfFixture, RebuildGivesANewWindowAndRetiresTheOld) {
    HITEM button = HOST(HostFindNamedChild)(o, form, 114, "pbInvoke");
    HWND old = HOST(HostGetItemWindow)(o, button);
    ASSERT_TRUE(IsWindow(old));
    HWND rebuilt = HOST(HostRebuildItemWindow)(o, button);
    ASSERT_TRUE(IsWindow(rebuilt));
    EXPECT_NE(old, rebuilt);
    EXPECT_FALSE(IsWindow(old));
    EXPECT_EQ(rebuilt, HOST(HostGetItemWindow)(o, button));
    EXPECT_EQ(button, HOST(HostGetWindowItem)(rebuilt));
    EXPECT_EQ(0u, HOST(HostGetWindowItem)(old));

    // A deleted item's window no longer answers for it.
    ASSERT_TRUE(HOST(HostDeleteItem)(o, button));
    EXPECT_EQ(0u, HOST(HostGetWindowItem)(rebuilt));
    EXPECT_EQ(nullptr, HOST(HostGetItemWindow)(o, button));
}

// Every child window item of the demo's sample, nested container included, and the
// components' windows of the class their module registers once it is loaded.
TEST(DesignWindowsOfSample, ChildWindowsAndComponentClasses) {
    int line = 0;
    HOUTLINE o = MervikLoadOutlineFile((BinaryFolder() + "samples\\cics_form.outline").c_str(),
                                       &line, nullptr, 0);
    ASSERT_NE(0u, o) << "line " << line;
    HITEM form = MervikFindItemByName(o, "frmOrders");
    HWND top = MervikOpenDesignWindows(o, form);
    ASSERT_NE(nullptr, top);

    auto className = [&](const char* name) {
        char text[64] = {};
        GetClassNameA(HOST(HostGetItemWindow)(o, MervikFindItemByName(o, name)), text, sizeof text);
        return std::string(text);
    };
    for (const char* name : {"cicsCustInq", "cicsOrderTran", "dfCUSTNO", "dfNAME", "pbInvoke",
                             "pbCommit", "dfBALANCE", "pbAbort"}) {
        HITEM item = MervikFindItemByName(o, name);
        HWND w = HOST(HostGetItemWindow)(o, item);
        ASSERT_TRUE(IsWindow(w)) << name;
        EXPECT_EQ(item, HOST(HostGetWindowItem)(w)) << name;
        EXPECT_EQ(o, HOST(HostGetWindowOutline)(w)) << name;
        EXPECT_EQ(item, HOST(HostGetWindowValue)(w)) << name;
    }
    // The nested container's children sit in the container's window.
    HITEM nested = HOST(HostFindSubItem)(o, form, 270, 1);
    HWND nestedWindow = HOST(HostGetItemWindow)(o, nested);
    ASSERT_TRUE(IsWindow(nestedWindow));
    EXPECT_EQ(nestedWindow,
              GetParent(HOST(HostGetItemWindow)(o, MervikFindItemByName(o, "pbAbort"))));
    EXPECT_EQ(top, GetParent(nestedWindow));

    WNDCLASSA wc;
    if (!GetClassInfoA(nullptr, "ZCicsDataSource", &wc)) {
        EXPECT_EQ("MervikDesignWindow", className("cicsCustInq"));
        HMODULE korval = LoadLibraryA(KorvalPath().c_str());
        ASSERT_NE(nullptr, korval);
        HOST(HostRebuildItemWindow)(o, MervikFindItemByName(o, "cicsCustInq"));
        EXPECT_EQ("ZCicsDataSource", className("cicsCustInq"));
        HOST(HostCloseOutline)(o);
        FreeLibrary(korval);
    } else {
        EXPECT_EQ("ZCicsDataSource", className("cicsCustInq"));
        HOST(HostCloseOutline)(o);
    }
    EXPECT_FALSE(IsWindow(top));
}

} // namespace
