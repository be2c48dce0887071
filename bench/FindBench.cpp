// Find over a full list (5000 entries) whose only match is the last entry, so that every field
// of every entry is looked through: the goal is well under 1 ms, a keystroke's worth of time.
#include "BenchEntries.h"
#include "Korvane/ListDialog/JATextSearch.h"
#include "Platform/MacMemory.h"

namespace {

void BM_FindMatchingTheLastEntry(benchmark::State& state) {
    auto* block = reinterpret_cast<JASettingBlock*>(NewPtrClear(sizeof(JASettingBlock)));
    bench::FillEntries(block, kJAMaxEntries);
    bench::SetPascal(block->records[kJAMaxEntries - 1].userName, "Somebody Hard To Find");
    Str255 text;
    bench::SetPascal(text, "hard to FIND");
    for (auto _ : state)
        benchmark::DoNotOptimize(JAFindText(block, text, -1));
    if (JAFindText(block, text, -1) != kJAMaxEntries - 1) state.SkipWithError("no match found");
    DisposePtr(reinterpret_cast<Ptr>(block));
}
BENCHMARK(BM_FindMatchingTheLastEntry)->Unit(benchmark::kMicrosecond);

} // namespace
