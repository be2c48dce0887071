// The import of 5100 acceptable lines into a list of 5000 (every listed login name and 100 of
// them twice, so that the result is again 5000 entries and no alert shows): the duplicate marking
// beside the pairwise passes it replaces, and the whole merge with its working copy round trip
// beside a plain write and read of the same bytes.
#include "BenchEntries.h"
#include "Korvane/DataStore/SettingPrivateRec.h"
#include "Korvane/DataStore/SettingsFile.h"
#include "Korvane/ImportExport/Import.h"
#include "Korvane/ImportExport/ImportDuplicates.h"
#include "Korvane/ImportExport/ImportPairwiseMarking.h"
#include "Korvane/ImportExport/ImportParse.h"
#include "Korvane/Shell/GlueRec.h"
#include "Platform/MacMemory.h"
#include "TestSupport/FileSpecs.h"
#include "TestSupport/TempFolder.h"

#include <benchmark/benchmark.h>
#include <string>

namespace {

constexpr SInt16 kListed = kJAMaxEntries, kRepeated = 100;

class ImportScene {
  public:
    ImportScene() {
        context_ = reinterpret_cast<GlueRec*>(NewPtrClear(sizeof(GlueRec)));
        setting_ = reinterpret_cast<SettingPrivateRec*>(NewPtrClear(sizeof(SettingPrivateRec)));
        setting_->entries = reinterpret_cast<JASettingBlock*>(NewPtrClear(sizeof(JASettingBlock)));
        setting_->importEntries =
            reinterpret_cast<JASettingBlock*>(NewPtrClear(sizeof(JASettingBlock)));
        context_->settingPrivate = setting_;
        bench::FillEntries(setting_->entries, kListed);
        listText_ = bench::SettingsTextOf(setting_->entries);
        size_t repeatedEnd = 0;
        for (SInt16 n = 0; n < kRepeated; ++n)
            repeatedEnd = listText_.find("\r\n", repeatedEnd) + 2;
        csv_ = listText_.substr(0, repeatedEnd) + listText_;
        context_->tempFileSpec = testsupport::SpecIn(temp_.str(), "QZJA.temp");
        FSpCreate(&context_->tempFileSpec, FOUR_CHAR_CODE("????"), FOUR_CHAR_CODE("TEXT"), -1);
    }
    ~ImportScene() {
        DisposePtr(reinterpret_cast<Ptr>(setting_->importEntries));
        DisposePtr(reinterpret_cast<Ptr>(setting_->entries));
        DisposePtr(reinterpret_cast<Ptr>(setting_));
        DisposePtr(reinterpret_cast<Ptr>(context_));
    }
    ImportScene(const ImportScene&) = delete;
    ImportScene& operator=(const ImportScene&) = delete;

    // Parses and checks the lines; true when all are acceptable.
    bool Stage() {
        ParseImportText(reinterpret_cast<const UInt8*>(csv_.data()), UInt32(csv_.size()),
                        setting_->importEntries);
        return setting_->importEntries->entryCount == kListed + kRepeated &&
               SampleCheckRange_at_ImportFunc(context_) == 0;
    }
    GlueRec* Context() const { return context_; }
    JASettingBlock* List() const { return setting_->entries; }
    JASettingBlock* Staged() const { return setting_->importEntries; }
    const std::string& ListText() const { return listText_; }
    std::string WorkingCopyPath() const { return temp_ / "QZJA.temp"; }

  private:
    testsupport::TempFolder temp_;
    GlueRec* context_;
    SettingPrivateRec* setting_;
    std::string listText_, csv_;
};

void BM_ImportMarking5100Into5000(benchmark::State& state) {
    ImportScene scene;
    for (auto _ : state) {
        if (!scene.Stage() || !MarkImportDuplicates(scene.Staged(), scene.List()))
            state.SkipWithError("unexpected marking");
    }
}
BENCHMARK(BM_ImportMarking5100Into5000)->Unit(benchmark::kMicrosecond);

void BM_PairwiseMarking5100Into5000(benchmark::State& state) {
    ImportScene scene;
    for (auto _ : state) {
        for (SInt16 k = 0; k < scene.List()->entryCount; ++k)
            scene.List()->records[k].duplicateFlag = false;
        if (!scene.Stage() || !testsupport::PairwiseImportDuplicates(scene.Staged(), scene.List()))
            state.SkipWithError("unexpected marking");
    }
}
BENCHMARK(BM_PairwiseMarking5100Into5000)->Unit(benchmark::kMicrosecond);

// What the import does after the file is read and before the rows are rebuilt.
void BM_Import5100Into5000(benchmark::State& state) {
    ImportScene scene;
    for (auto _ : state) {
        if (!scene.Stage() || !MarkImportDuplicates(scene.Staged(), scene.List()) ||
            SaveJASettingToJATemp_at_ImportFunc(scene.Context()) ||
            JobAccountDialogReadFromTemporary(scene.Context()) ||
            scene.List()->entryCount != kListed)
            state.SkipWithError("import failed");
    }
    state.SetBytesProcessed(state.iterations() * 2 * SInt64(scene.ListText().size()));
}
BENCHMARK(BM_Import5100Into5000)->Unit(benchmark::kMicrosecond);

void BM_ImportPlainWriteFlushAndRead5000(benchmark::State& state) {
    ImportScene scene;
    bench::PlainWriteAndRead(state, scene.Context()->tempFileSpec, scene.WorkingCopyPath(),
                             scene.ListText(), true);
}
BENCHMARK(BM_ImportPlainWriteFlushAndRead5000)->Unit(benchmark::kMicrosecond);

} // namespace
