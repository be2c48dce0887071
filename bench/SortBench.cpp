// Sorting a full list (5000 entries) by each key, beside a plain write and read of the same
// entries' settings text: every sort is followed by a rewrite and re-read of the working copy.
// Sorting by login name is also measured the plain way, collating two names per comparison.
#include "BenchEntries.h"
#include "Korvane/ListDialog/SortJAEntries.h"
#include "Korvane/ListDialog/SortJAList.h"
#include "Platform/MacMemory.h"
#include "TestSupport/FileSpecs.h"
#include "TestSupport/TempFolder.h"

#include <algorithm>
#include <cstdlib>
#include <numeric>
#include <random>
#include <vector>

namespace {

using bench::SetPascal;

const char* const kFirstNames[] = {"anna", "Bob",  "carl", "Dana", "eve",  "Frank",
                                   "gina", "Hugo", "iris", "Jack", "karl", "Lena",
                                   "mike", "Nora", "otto", "Paula"};
const char* const kLastNames[] = {"Smith",  "mcDonald", "Young",  "van Dijk", "OBrien", "de Vos",
                                  "Miller", "o'Neil",   "Schulz", "Kim",      "Berg",   "LeBlanc"};

// The numbers 1 to 5000 in a shuffled order, the same on every run.
int ShuffledNumber(SInt16 i) {
    static const std::vector<int> numbers = [] {
        std::vector<int> all(kJAMaxEntries);
        std::iota(all.begin(), all.end(), 1);
        std::shuffle(all.begin(), all.end(), std::mt19937(5000));
        return all;
    }();
    return numbers[size_t(i)];
}

// Logins "user1" to "user5000", mixed-case user names, IDs of up to nine digits.
void FillShuffled(SInt16 i, JASetting* entry) {
    int number = ShuffledNumber(i);
    SetPascal(entry->loginName, "user" + std::to_string(number));
    int name = number - 1; // distinct for all but the last few
    SetPascal(entry->userName, std::string(kFirstNames[name % 16]) + " " +
                                   char('A' + name / 16 % 26) + ". " + kLastNames[name / 416 % 12]);
    SetPascal(entry->accountID, std::to_string(UInt32(number) * 2654435761u % 999999999u + 1));
}

// A full list block, allocated as the list dialog allocates it, holding the shuffled entries.
class ShuffledList {
  public:
    ShuffledList()
        : entries_(reinterpret_cast<JASettingBlock*>(NewPtrClear(sizeof(JASettingBlock)))) {
        for (SInt16 i = 0; i < kJAMaxEntries; ++i)
            FillShuffled(i, &entries_->records[i]);
        entries_->entryCount = kJAMaxEntries;
    }
    ~ShuffledList() { DisposePtr(reinterpret_cast<Ptr>(entries_)); }
    ShuffledList(const ShuffledList&) = delete;
    ShuffledList& operator=(const ShuffledList&) = delete;

    JASettingBlock* Entries() const { return entries_; }

  private:
    JASettingBlock* entries_;
};

// Each round sorts the same shuffled entries, restored outside the timing.
template <class Sort> void SortShuffled(benchmark::State& state, Sort sort) {
    ShuffledList list;
    JASetting* records = list.Entries()->records;
    const std::vector<JASetting> shuffled(records, records + kJAMaxEntries);
    for (auto _ : state) {
        state.PauseTiming();
        std::copy(shuffled.begin(), shuffled.end(), records);
        state.ResumeTiming();
        sort(list.Entries());
    }
}

void BM_SortByLogin5000(benchmark::State& state) {
    SortShuffled(state, [](JASettingBlock* entries) { SortJAEntries(entries, kSortByLogin); });
}
BENCHMARK(BM_SortByLogin5000)->Unit(benchmark::kMicrosecond);

void BM_SortByUser5000(benchmark::State& state) {
    SortShuffled(state, [](JASettingBlock* entries) { SortJAEntries(entries, kSortByUser); });
}
BENCHMARK(BM_SortByUser5000)->Unit(benchmark::kMicrosecond);

void BM_SortByID5000(benchmark::State& state) {
    SortShuffled(state, [](JASettingBlock* entries) { SortJAEntries(entries, kSortByID); });
}
BENCHMARK(BM_SortByID5000)->Unit(benchmark::kMicrosecond);

// The same order by collating two names for every comparison, without keys.
void BM_SortByLoginComparingPairs5000(benchmark::State& state) {
    SortShuffled(state, [](JASettingBlock* entries) {
        std::qsort(entries->records, size_t(entries->entryCount), sizeof(JASetting), compare_login);
    });
}
BENCHMARK(BM_SortByLoginComparingPairs5000)->Unit(benchmark::kMicrosecond);

void BM_SortListPlainWriteAndRead5000(benchmark::State& state) {
    testsupport::TempFolder temp;
    FSSpec spec = testsupport::SpecIn(temp.str(), "QZJA.temp");
    FSpCreate(&spec, FOUR_CHAR_CODE("????"), FOUR_CHAR_CODE("TEXT"), -1);
    bench::PlainWriteAndRead(state, spec, temp / "QZJA.temp",
                             bench::SettingsTextOf(ShuffledList().Entries()), false);
}
BENCHMARK(BM_SortListPlainWriteAndRead5000)->Unit(benchmark::kMicrosecond);

} // namespace
