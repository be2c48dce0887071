// Insert, edit and delete at 5000 entries as the list dialog does them: change the list, rewrite
// the working copy, read it back and rebuild the rows of the page on show. Beside them, the plain
// write and read of the same bytes, flushed as the working copy is.
#include "BenchEntries.h"
#include "Korvane/GlueRec.h"
#include "Korvane/JAPages.h"
#include "Korvane/JobAccountDialog.h"
#include "Korvane/JobAccountDialogActions.h"
#include "Korvane/SettingPrivateRec.h"
#include "Korvane/SettingsFile.h"
#include "Korvane/Shutdown.h"
#include "Platform/MacMemory.h"
#include "Platform/PlatformTesting.h"
#include "TestSupport/TempFolder.h"
#include "Utility/Utility.h"

#include <benchmark/benchmark.h>

namespace {

// The list dialog open on a full list, its working copy in a temporary folder.
class OpenList {
  public:
    explicit OpenList(SInt16 entries) {
        context_ = reinterpret_cast<GlueRec*>(NewPtrClear(sizeof(GlueRec)));
        std::string temp = domains_.temp() / "QZJA.temp";
        PathToFSSpec(temp.c_str(), &context_->tempFileSpec);
        FSpCreate(&context_->tempFileSpec, FOUR_CHAR_CODE("????"), FOUR_CHAR_CODE("TEXT"), -1);
        ok_ = ShowJobAccountDialog(context_) == noErr;
        if (!ok_) return;
        bench::FillEntries(setting()->entries, entries);
        ShowFirstJAPage(setting());
        ok_ = Commit() == noErr;
    }
    ~OpenList() {
        DisposeAllDialogs(context_);
        DisposePtr(reinterpret_cast<Ptr>(context_));
    }
    OpenList(const OpenList&) = delete;
    OpenList& operator=(const OpenList&) = delete;

    // What follows every change of the list.
    OSErr Commit() {
        OSErr err = SaveJASettingToJATemp(context_);
        if (err == noErr) err = JobAccountDialogReadFromTemporary(context_);
        if (err == noErr) err = SetJobAccountDialogControls(context_);
        return err;
    }

    bool ok() const { return ok_; }
    GlueRec* context() const { return context_; }
    SettingPrivateRec* setting() const { return context_->settingPrivate; }
    std::string path() const { return domains_.temp() / "QZJA.temp"; }

  private:
    testsupport::ScopedDomains domains_;
    PlatformScopedMainBundle bundle_{KORVANE_BUILD_BUNDLE};
    GlueRec* context_;
    bool ok_ = false;
};

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
