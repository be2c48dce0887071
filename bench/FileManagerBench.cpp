// Whole-file reads and writes through the File Manager: the working copy and the
// job-accounting file are copied this way, up to 5000 lines of about 300 bytes.
#include "Platform/Files.h"
#include "TestSupport/FileSpecs.h"
#include "TestSupport/TempFolder.h"

#include <benchmark/benchmark.h>
#include <vector>

namespace {

constexpr SInt32 kLargeListBytes = 5000 * 300;

void BM_WriteAndReadWholeFile(benchmark::State& state) {
    testsupport::TempFolder temp;
    FSSpec spec = testsupport::SpecIn(temp.str(), "QZJA.temp");
    FSpCreate(&spec, FOUR_CHAR_CODE("????"), FOUR_CHAR_CODE("TEXT"), -1);
    std::vector<char> text(kLargeListBytes, 'x'), back(kLargeListBytes);
    for (auto _ : state) {
        SInt16 refNum;
        SInt32 count = kLargeListBytes, eof = 0;
        FSpOpenDF(&spec, fsRdWrPerm, &refNum);
        FSWrite(refNum, &count, text.data());
        SetEOF(refNum, count);
        SetFPos(refNum, fsFromStart, 0);
        GetEOF(refNum, &eof);
        FSRead(refNum, &eof, back.data());
        FSClose(refNum);
        benchmark::DoNotOptimize(back.data());
    }
    state.SetBytesProcessed(state.iterations() * 2 * kLargeListBytes);
}
BENCHMARK(BM_WriteAndReadWholeFile);

void BM_FindNamedFileLookup(benchmark::State& state) {
    testsupport::TempFolder temp;
    FSSpec spec = testsupport::SpecIn(temp.str(), "JobAccounting");
    FSpCreate(&spec, 0, 0, -1);
    for (auto _ : state) {
        CInfoPBRec pb{};
        pb.hFileInfo.ioNamePtr = spec.name;
        pb.hFileInfo.ioVRefNum = spec.vRefNum;
        pb.hFileInfo.ioDirID = spec.parID;
        benchmark::DoNotOptimize(PBGetCatInfoSync(&pb));
    }
}
BENCHMARK(BM_FindNamedFileLookup);

} // namespace
