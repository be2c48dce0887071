// Insert, edit and delete at 5000 entries as the list dialog does them: change the list, rewrite
// the working copy, read it back and rebuild the rows of the page on show. Beside them, the plain
// write and read of the same bytes, flushed as the working copy is.
#include "OpenList.h"

#include <benchmark/benchmark.h>

namespace {

using bench::OpenList;

void BM_InsertAt5000(benchmark::State& state) {
    OpenList list(kJAMaxEntries - 1);
    JASetting entry = {};
    bench::SetEntry(&entry, 999999);
    for (auto _ : state) {
        JAInsertAtPageStart(list.context(), &entry);
        if (list.Commit() != noErr) state.SkipWithError("insert failed");
        state.PauseTiming();
        JobAccountDialogDeleteRecord(list.context(), 0);
        state.ResumeTiming();
    }
    if (!list.ok()) state.SkipWithError("the list dialog did not open");
}
BENCHMARK(BM_InsertAt5000)->Unit(benchmark::kMicrosecond);

void BM_EditAt5000(benchmark::State& state) {
    OpenList list(kJAMaxEntries);
    SInt32 number = 0;
    for (auto _ : state) {
        bench::SetEntry(&list.setting()->entries->records[2500], 900000 + (number++ % 1000));
        if (list.Commit() != noErr) state.SkipWithError("edit failed");
    }
    if (!list.ok()) state.SkipWithError("the list dialog did not open");
}
BENCHMARK(BM_EditAt5000)->Unit(benchmark::kMicrosecond);

void BM_DeleteAt5000(benchmark::State& state) {
    OpenList list(kJAMaxEntries);
    JASetting entry = {};
    for (auto _ : state) {
        entry = list.setting()->entries->records[0];
        JobAccountDialogDeleteRecord(list.context(), 0);
        if (list.Commit() != noErr) state.SkipWithError("delete failed");
        state.PauseTiming();
        JAInsertAtPageStart(list.context(), &entry);
        state.ResumeTiming();
    }
    if (!list.ok()) state.SkipWithError("the list dialog did not open");
}
BENCHMARK(BM_DeleteAt5000)->Unit(benchmark::kMicrosecond);

void BM_PlainFlushedWriteAndReadAt5000(benchmark::State& state) {
    OpenList list(kJAMaxEntries);
    bench::PlainWriteAndRead(state, list.context()->tempFileSpec, list.path(),
                             bench::SettingsTextOf(list.setting()->entries), true);
}
BENCHMARK(BM_PlainFlushedWriteAndReadAt5000)->Unit(benchmark::kMicrosecond);

} // namespace
