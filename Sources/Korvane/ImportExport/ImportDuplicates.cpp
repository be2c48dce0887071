#include "Korvane/ImportExport/ImportDuplicates.h"

#include "Korvane/DataStore/LoginNames.h"

#include <algorithm>
#include <array>

namespace {

// Open addressing over at most kJASettingSlots names keeps the table under a third full.
constexpr size_t kTableSize = 16384;

SInt16 EntriesInUse(const JASettingBlock* block) {
    return std::clamp<SInt16>(block->entryCount, 0, kJASettingSlots);
}

UInt32 HashOf(ConstStr255Param name) {
    UInt32 hash = 2166136261u;
    for (int i = 0; i <= name[0]; ++i)
        hash = (hash ^ name[i]) * 16777619u;
    return hash;
}

// The last acceptable staged slot of each login name.
class WinnerTable {
  public:
    explicit WinnerTable(const JASettingBlock* staged) : staged_(staged) {
        for (SInt16 i = SInt16(EntriesInUse(staged) - 1); i >= 0; --i) {
            const JASetting& slot = staged->records[i];
            SInt16* cell = Cell(slot.loginName);
            if (!slot.duplicateFlag && !slot.invalidFlag && *cell == 0) *cell = SInt16(i + 1);
        }
    }
    // 1-based number of the winning slot for the name; 0 when none.
    SInt16 Winner(ConstStr255Param name) { return *Cell(name); }

  private:
    SInt16* Cell(ConstStr255Param name) {
        size_t at = HashOf(name) % kTableSize;
        while (cells_[at] != 0 && !SameLoginName(staged_->records[cells_[at] - 1].loginName, name))
            at = (at + 1) % kTableSize;
        return &cells_[at];
    }

    const JASettingBlock* staged_;
    std::array<SInt16, kTableSize> cells_{};
};

} // namespace

Boolean MarkImportDuplicates(JASettingBlock* staged, JASettingBlock* list) {
    for (SInt16 k = 0; k < EntriesInUse(list); ++k)
        list->records[k].duplicateFlag = false;
    WinnerTable winners(staged);
    Boolean marked = false;
    for (SInt16 j = 0; j < EntriesInUse(staged); ++j) {
        if (winners.Winner(staged->records[j].loginName) <= j + 1) continue;
        staged->records[j].duplicateFlag = marked = true;
    }
    for (SInt16 k = 0; k < EntriesInUse(list); ++k) {
        if (winners.Winner(list->records[k].loginName) == 0) continue;
        list->records[k].duplicateFlag = marked = true;
    }
    return marked;
}

void FindImportReplacements(const JASettingBlock* staged, const JASettingBlock* list,
                            Boolean* replaces) {
    std::fill(replaces, replaces + kJASettingSlots, false);
    WinnerTable winners(staged);
    for (SInt16 k = 0; k < EntriesInUse(list); ++k) {
        if (!list->records[k].duplicateFlag) continue;
        if (const SInt16 winner = winners.Winner(list->records[k].loginName))
            replaces[winner - 1] = true;
    }
}
