// Load, save and walk generated outlines of 10^4 to 10^6 items, and look a
// name up among a growing number of children.
#include <benchmark/benchmark.h>

#include <string>

#include "ItemKinds.h"
#include "Library.h"
#include "OutlineFile.h"

namespace {

using namespace mervik;

// An application of form windows, each holding up to 1000 data fields with one named
// property each; `items` lines in all.
std::string GeneratedOutline(int items) {
    std::string text = "Application Generated\n";
    int written = 1;
    for (int form = 1; written < items; ++form) {
        text += "  FormWindow frm" + std::to_string(form) + "\n";
        ++written;
        for (int field = 1; field <= 1000 && written < items; ++field, ++written)
            text += "    DataField df" + std::to_string(field) + "\n      @\"ITEM\" \"ITEM" +
                    std::to_string(field) + "\\0\"\n";
    }
    return text;
}

uint32_t Load(const std::string& text) {
    LoadResult result = LoadOutline(TheLibrary().outlines, text, "bench");
    if (result.outline == 0)
        std::abort();
    return result.outline;
}

void BM_Load(benchmark::State& state) {
    std::string text = GeneratedOutline(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        uint32_t o = Load(text);
        state.PauseTiming();
        TheLibrary().CloseOutline(o);
        state.ResumeTiming();
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}

void BM_Save(benchmark::State& state) {
    uint32_t o = Load(GeneratedOutline(static_cast<int>(state.range(0))));
    Outline& outline = *TheLibrary().outlines.FindOutline(o);
    for (auto _ : state)
        benchmark::DoNotOptimize(SaveOutline(outline));
    state.SetItemsProcessed(state.iterations() * state.range(0));
    TheLibrary().CloseOutline(o);
}

// Every item by first child and next sibling, reading one named property of each into
// one caller string, as a caller of the operations does.
void BM_WalkReadingANamedProperty(benchmark::State& state) {
    Library& lib = TheLibrary();
    uint32_t o = Load(GeneratedOutline(static_cast<int>(state.range(0))));
    uint32_t value = 0;
    lib.SetStringSize(&value, 1);
    for (auto _ : state) {
        std::size_t visited = 0, read = 0;
        uint32_t item = lib.FirstChild(o, lib.RootItem(o));
        while (item != 0) {
            ++visited;
            if (lib.NamedProperty(o, item, "ITEM", &value))
                ++read;
            uint32_t next = lib.FirstChild(o, item);
            while (next == 0 && item != 0) {
                next = lib.NextSibling(o, item);
                if (next == 0)
                    item = lib.Parent(o, item);
                if (item == lib.RootItem(o))
                    item = 0;
            }
            item = next;
        }
        benchmark::DoNotOptimize(read);
        if (visited != static_cast<std::size_t>(state.range(0)))
            state.SkipWithError("the walk missed items");
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
    lib.strings.Free(value);
    lib.CloseOutline(o);
}

void BM_FindNamedChild(benchmark::State& state) {
    Library& lib = TheLibrary();
    uint32_t o = lib.outlines.Open("children");
    uint32_t parent = lib.InsertItem(o, lib.RootItem(o), 0, kind::Contents);
    for (int64_t i = 0; i < state.range(0); ++i) {
        uint32_t child = lib.InsertItem(o, parent, lib.LastChild(o, parent), kind::DataField);
        lib.SetItemText(o, child, ("df" + std::to_string(i)).c_str(), 1);
    }
    std::string last = "df" + std::to_string(state.range(0) - 1);
    for (auto _ : state)
        benchmark::DoNotOptimize(lib.FindNamedChild(o, parent, 0, last.c_str()));
    state.SetComplexityN(state.range(0));
    lib.CloseOutline(o);
}

BENCHMARK(BM_Load)->Arg(10000)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Save)->Arg(10000)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_WalkReadingANamedProperty)
    ->Arg(10000)
    ->Arg(100000)
    ->Arg(1000000)
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FindNamedChild)->RangeMultiplier(10)->Range(10, 10000)->Complexity(benchmark::oN);

} // namespace

BENCHMARK_MAIN();
