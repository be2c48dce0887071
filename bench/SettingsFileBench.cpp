// The working copy round trip of a full list (5000 entries written with SaveJASettingToJATemp and
// read back with JobAccountDialogReadFromTemporary) beside a plain write and read of the same
// bytes. The round trip flushes the new file to disk before it replaces the old one; the flushed
// plain variant shows what that flush costs on its own.
#include "Korvane/GlueRec.h"
#include "Korvane/SettingPrivateRec.h"
#include "Korvane/SettingsFile.h"
#include "Korvane/SettingsText.h"
#include "Platform/MacMemory.h"
#include "TestSupport/FileSpecs.h"
#include "TestSupport/TempFolder.h"

#include <benchmark/benchmark.h>
#include <cstring>
#include <fcntl.h>
#include <string>
#include <unistd.h>
#include <vector>

namespace {

void SetField(unsigned char* field, const std::string& text) {
    field[0] = static_cast<unsigned char>(text.size());
    std::memcpy(field + 1, text.data(), text.size());
}

// A context whose list holds 5000 entries and whose working copy lies in a temporary folder.
class FullList {
  public:
    FullList() {
        context_ = reinterpret_cast<GlueRec*>(NewPtrClear(sizeof(GlueRec)));
        setting_ = reinterpret_cast<SettingPrivateRec*>(NewPtrClear(sizeof(SettingPrivateRec)));
        entries_ = reinterpret_cast<JASettingBlock*>(NewPtrClear(sizeof(JASettingBlock)));
        context_->settingPrivate = setting_;
        setting_->entries = entries_;
        for (SInt16 i = 0; i < kJAMaxEntries; ++i) {
            std::string number = std::to_string(100000 + i);
            SetField(entries_->records[i].loginName, "user" + number);
            SetField(entries_->records[i].accountID, number);
            SetField(entries_->records[i].userName, "Account Holder Number " + number);
        }
        entries_->entryCount = kJAMaxEntries;
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
    std::string Text() const {
        std::string text(size_t(JASettingTextCapacity(entries_)), '\0');
        text.resize(size_t(MakeJASettingText(entries_, reinterpret_cast<UInt8*>(text.data()))));
        return text;
    }
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

// The same bytes written over the working copy and read back through the File Manager.
void PlainWriteAndRead(benchmark::State& state, bool flush) {
    FullList list;
    std::string text = list.Text(), back(text.size(), '\0');
    FSSpec spec = list.Context()->tempFileSpec;
    for (auto _ : state) {
        SInt16 refNum;
        SInt32 count = SInt32(text.size()), eof = 0;
        FSpOpenDF(&spec, fsRdWrPerm, &refNum);
        FSWrite(refNum, &count, text.data());
        SetEOF(refNum, count);
        if (flush) {
            int fd = open(list.WorkingCopyPath().c_str(), O_RDONLY);
            fdatasync(fd);
            close(fd);
        }
        SetFPos(refNum, fsFromStart, 0);
        GetEOF(refNum, &eof);
        FSRead(refNum, &eof, back.data());
        FSClose(refNum);
        benchmark::DoNotOptimize(back.data());
    }
    state.SetBytesProcessed(state.iterations() * 2 * SInt64(text.size()));
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
