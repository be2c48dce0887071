// Searching a 64 MiB data file through the buffered reader, beside memmem over the same bytes
// already in memory: the yardstick for what the pieces, the reader and the byte search cost.
#include "MorrowCommon_2/MyOpenCloseFile.h"
#include "MorrowCommon_2/MyOpenDataFileClass.h"
#include "TestSupport/FileSpecs.h"
#include "TestSupport/TempFolder.h"

#include <benchmark/benchmark.h>
#include <cstring>
#include <fstream>
#include <vector>

namespace {

constexpr SInt32 kFileBytes = 64 << 20;
constexpr char kNeedle[] = "NEEDLE42"; // only at the very end, so both scan everything

struct SearchedFile {
    testsupport::TempFolder temp;
    std::vector<char> bytes;
    FSSpec spec;

    SearchedFile() : bytes(kFileBytes), spec(testsupport::SpecIn(temp.str(), "data")) {
        for (SInt32 i = 0; i < kFileBytes; ++i)
            bytes[i] = char(i % 251);
        std::memcpy(bytes.data() + kFileBytes - 8, kNeedle, 8);
        std::ofstream(temp / "data", std::ios::binary).write(bytes.data(), kFileBytes);
    }
};

SearchedFile& File() {
    static SearchedFile file;
    return file;
}

void BM_SearchDataOverFile(benchmark::State& state) {
    MyOpenDataFileClass data;
    data.SetDataFile(&File().spec);
    for (auto _ : state)
        benchmark::DoNotOptimize(data.SearchData(kNeedle, 8));
    state.SetBytesProcessed(state.iterations() * SInt64(kFileBytes));
}
BENCHMARK(BM_SearchDataOverFile)->Unit(benchmark::kMillisecond);

void BM_MemmemInMemory(benchmark::State& state) {
    const std::vector<char>& bytes = File().bytes;
    for (auto _ : state)
        benchmark::DoNotOptimize(memmem(bytes.data(), bytes.size(), kNeedle, 8));
    state.SetBytesProcessed(state.iterations() * SInt64(kFileBytes));
}
BENCHMARK(BM_MemmemInMemory)->Unit(benchmark::kMillisecond);

} // namespace
