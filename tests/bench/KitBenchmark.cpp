// Benchmarks of the kit's searches and of DSEnumItems, run under Wine by
// `tools/run bench-windows`.  Not a test: it measures and prints, and the
// figures go to the README's performance section.
//
// The kit's walk makes one host call per step, so FindItem and ReplaceText
// should cost a small constant factor over the library's own walk of the same
// outline, growing linearly with the number of items.
#include <windows.h>

#include <cstdio>
#include <string>

#include "HostOutline.h"
#include "KItem.h"
#include "KWiringObject.h"
#include "KorvalExports.h"
#include "MervikApi.h"
#include "TestPaths.h"

namespace {

double Now() {
    LARGE_INTEGER count, frequency;
    QueryPerformanceCounter(&count);
    QueryPerformanceFrequency(&frequency);
    return double(count.QuadPart) / double(frequency.QuadPart);
}

// An application of forms, each holding data fields: `items` items in all.
HITEM BuildOutline(HOUTLINE outline, int items) {
    HITEM application = MervikAddItem(outline, HostGetRootItem(outline), 29, "App");
    int made = 1;
    for (int form = 0; made < items; ++form) {
        HITEM window = MervikAddItem(outline, application, 1, ("frm" + std::to_string(form)).c_str());
        HITEM contents = MervikAddItem(outline, window, 114, "");
        made += 2;
        for (int field = 0; field < 97 && made < items; ++field, ++made)
            MervikAddItem(outline, contents, 4, ("df" + std::to_string(made)).c_str());
    }
    return application;
}

// The library's own pre-order walk, reading each item's text as a name filter does.
int LibraryWalk(HOUTLINE outline, HITEM start) {
    int visited = 0;
    HITEM item = start;
    while (item != 0) {
        HOSTSTR text = 0;
        HostGetItemText(outline, item, 1, &text);
        ++visited;
        HITEM next = HostGetFirstChild(outline, item);
        while (next == 0 && item != start) {
            next = HostGetNextSibling(outline, item);
            if (next == 0)
                item = HostGetParent(outline, item);
        }
        item = next;
    }
    return visited;
}

void BenchSearches(int items) {
    HOUTLINE outline = MervikOpenOutline("bench");
    HITEM application = BuildOutline(outline, items);
    double t0 = Now();
    int visited = LibraryWalk(outline, application);
    double t1 = Now();
    CKItem start(outline, application), out;
    BOOL found = start.FindItem("no such text", out, TRUE, TRUE, FALSE);
    double t2 = Now();
    int replaced = start.ReplaceText("no such text", "x", FALSE, TRUE);
    double t3 = Now();
    std::printf("%9d items (%d visited, found %d, replaced %d): library walk %8.1f ms | "
                "FindItem %8.1f ms (%.1fx) | ReplaceText %8.1f ms (%.1fx) | %.0f ns per item\n",
                items, visited, found, replaced, (t1 - t0) * 1e3, (t2 - t1) * 1e3,
                (t2 - t1) / (t1 - t0), (t3 - t2) * 1e3, (t3 - t2) / (t1 - t0),
                (t2 - t1) * 1e9 / items);
    HostCloseOutline(outline);
}

void BenchEnumItems(HMODULE module, int items) {
    auto enumItems = reinterpret_cast<PFN_DSEnumItems>(
        reinterpret_cast<void*>(GetProcAddress(module, MAKEINTRESOURCEA(ORD_DSEnumItems))));
    HOUTLINE outline = MervikOpenOutline("bench");
    HITEM application = MervikAddItem(outline, HostGetRootItem(outline), 29, "App");
    HITEM form = MervikAddItem(outline, application, 1, "frmMain");
    HITEM contents = MervikAddItem(outline, form, 114, "");
    HITEM component = MervikAddItem(outline, contents, 22, "cics1");
    // A named property holds at most 64 KiB: as many items as fit are spelled
    // out, the rest of the count reads as items with empty names.
    std::string dsitems = std::to_string(items);
    for (int i = 0; i < items; ++i) {
        std::string item = " I" + std::to_string(i) + " IN STR 8";
        if (dsitems.size() + item.size() >= 0xFFFF)
            break;
        dsitems += item;
    }
    CKWiringObject wiring(outline, component);
    wiring.SetNamedProperty("DATASOURCE", "YES");
    wiring.SetNamedProperty("DSITEMS", dsitems.c_str());
    MervikOpenDesignWindows(outline, form);
    HWND window = HostGetItemWindow(outline, component);
    HOSTSTRARRAY array = HostCreateStringArray(5);
    double t0 = Now();
    int count = enumItems(window, array);
    double t1 = Now();
    std::printf("DSEnumItems %7d items: %d enumerated in %8.2f ms, %.0f ns per item\n", items,
                count, (t1 - t0) * 1e3, (t1 - t0) * 1e9 / (count > 0 ? count : 1));
    HostDestroyStringArray(array);
    HostCloseOutline(outline);
}

} // namespace

int main() {
    for (int items : {100000, 1000000})
        BenchSearches(items);
    HMODULE module = LoadLibraryA(KorvalPath().c_str());
    if (module == nullptr) {
        std::printf("cannot load KORVAL11.DLL\n");
        return 1;
    }
    for (int items : {1000, 10000, 100000})
        BenchEnumItems(module, items);
    FreeLibrary(module);
    return 0;
}
