// Shared by the benchmarks: a list of realistic entries and a plain write and read of the same
// bytes, the yardstick every working-copy operation is measured against.
#pragma once

#include "Korvane/DataStore/JASetting.h"
#include "Korvane/DataStore/SettingsText.h"
#include "Platform/Files.h"
#include "TestSupport/PString.h"

#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <string>
#include <unistd.h>

namespace bench {

using testsupport::SetPascal;

inline void SetEntry(JASetting* entry, SInt32 number) {
    std::string digits = std::to_string(number);
    SetPascal(entry->loginName, "user" + digits);
    SetPascal(entry->accountID, digits);
    SetPascal(entry->userName, "Account Holder Number " + digits);
}

inline void FillEntries(JASettingBlock* block, SInt16 count) {
    for (SInt16 i = 0; i < count; ++i)
        SetEntry(&block->records[i], 100000 + i);
    block->entryCount = count;
}

inline std::string SettingsTextOf(const JASettingBlock* block) {
    std::string text(size_t(JASettingTextCapacity(block)), '\0');
    text.resize(size_t(MakeJASettingText(block, reinterpret_cast<UInt8*>(text.data()))));
    return text;
}

// The bytes written over the file and read back through the File Manager; with flush, forced to
// disk before reading, as the working copy's replacement is.
inline void PlainWriteAndRead(benchmark::State& state, const FSSpec& spec, const std::string& path,
                              const std::string& text, bool flush) {
    std::string back(text.size(), '\0');
    for (auto _ : state) {
        SInt16 refNum;
        SInt32 count = SInt32(text.size()), eof = 0;
        FSpOpenDF(&spec, fsRdWrPerm, &refNum);
        FSWrite(refNum, &count, text.data());
        SetEOF(refNum, count);
        if (flush) {
            int fd = open(path.c_str(), O_RDONLY);
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

} // namespace bench
