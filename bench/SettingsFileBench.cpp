// The working copy round trip of a full list (5000 entries written with SaveJASettingToJATemp and
// read back with JobAccountDialogReadFromTemporary) beside a plain write and read of the same
// bytes. The round trip flushes the new file to disk before it replaces the old one; the flushed
// plain variant shows what that flush costs on its own.
#include "BenchEntries.h"
#include "Korvane/DataStore/SettingPrivateRec.h"
#include "Korvane/DataStore/SettingsFile.h"
#include "Korvane/Shell/GlueRec.h"
#include "Platform/MacMemory.h"
#include "TestSupport/FileSpecs.h"
#include "TestSupport/TempFolder.h"

#include <benchmark/benchmark.h>
#include <string>

namespace {

// A context whose list holds 5000 entries and whose working copy lies in a temporary folder.
class FullList {
  public:
    FullList() {
        context_ = reinterpret_cast<GlueRec*>(NewPtrClear(sizeof(GlueRec)));
        setting_ = reinterpret_cast<SettingPrivateRec*>(NewPtrClear(sizeof(SettingPrivateRec)));
        entries_ = reinterpret_cast<JASettingBlock*>(NewPtrClear(sizeof(JASettingBlock)));
        context_->settingPrivate = setting_;
        setting_->entries = entries_;
        bench::FillEntries(entries_, kJAMaxEntries);
        context_->tempFileSpec = testsupport::SpecIn(temp_.str(), "QZJA.temp");
        FSpCreate(&context_->tempFileSpec, FOUR_CHAR_CODE("????"), FOUR_CHAR_CODE("TEXT"), -1);
    }
    ~FullList() {
        DisposePtr(reinterpret_cast<Ptr>(entries_));
        DisposePtr(reinterpret_cast<Ptr>(setting_));
        DisposePtr(reinterpret_cast<Ptr>(context_));
    }
    FullList(const FullList&) = delete;
    FullList& operator=(const FullList&) = delete;

    GlueRec* Context() const { return context_; }
    std::string Text() const { return bench::SettingsTextOf(entries_); }
    std::string WorkingCopyPath() const { return temp_ / "QZJA.temp"; }

  private:
    testsupport::TempFolder temp_;
    GlueRec* context_;
    SettingPrivateRec* setting_;
    JASettingBlock* entries_;
};

void BM_WorkingCopyRoundTrip5000(benchmark::State& state) {
    FullList list;
    for (auto _ : state) {
        if (SaveJASettingToJATemp(list.Context()) ||
            JobAccountDialogReadFromTemporary(list.Context()))
            state.SkipWithError("round trip failed");
    }
    state.SetBytesProcessed(state.iterations() * 2 * SInt64(list.Text().size()));
}
BENCHMARK(BM_WorkingCopyRoundTrip5000)->Unit(benchmark::kMicrosecond);

void PlainWriteAndRead(benchmark::State& state, bool flush) {
    FullList list;
    bench::PlainWriteAndRead(state, list.Context()->tempFileSpec, list.WorkingCopyPath(),
                             list.Text(), flush);
}

void BM_PlainWriteAndRead5000(benchmark::State& state) {
    PlainWriteAndRead(state, false);
}
BENCHMARK(BM_PlainWriteAndRead5000)->Unit(benchmark::kMicrosecond);

void BM_PlainWriteFlushAndRead5000(benchmark::State& state) {
    PlainWriteAndRead(state, true);
}
BENCHMARK(BM_PlainWriteFlushAndRead5000)->Unit(benchmark::kMicrosecond);

} // namespace
