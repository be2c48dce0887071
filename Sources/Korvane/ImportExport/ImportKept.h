// Which entries an import writes: the list's first, then the imported ones, up to the list's
// limit.
#pragma once

#include "Korvane/DataStore/SettingPrivateRec.h"

#include <algorithm>
#include <functional>

// Calls take with each entry that is kept: the list's, then the imported ones in file order. An
// imported entry that replaces a listed one always fits, in the place that one leaves; a new one
// fits while the list has room. False when some did not fit. replaces is what
// FindImportReplacements found, once for all of an import's passes.
template <typename Take>
Boolean ForEachKeptImportEntry(const SettingPrivateRec* setting, const Boolean* replaces,
                               Take take) {
    const JASettingBlock* list = setting->entries;
    const JASettingBlock* staged = setting->importEntries;
    for (SInt16 i = 0; i < list->entryCount; ++i)
        if (!list->records[i].duplicateFlag) take(list->records[i]);
    SInt32 room = std::max<SInt32>(kJAMaxEntries - list->entryCount, 0);
    Boolean fits = true;
    for (SInt16 i = 0; i < staged->entryCount; ++i) {
        const JASetting& entry = staged->records[i];
        if (entry.duplicateFlag || entry.invalidFlag) continue;
        if (!replaces[i] && room == 0) {
            fits = false;
            continue;
        }
        room -= !replaces[i];
        take(entry);
    }
    return fits;
}

// Calls take with the slot number of each staged entry that is kept, in file order.
template <typename Take>
void ForEachKeptStagedSlot(const SettingPrivateRec* setting, const Boolean* replaces, Take take) {
    const JASetting* const staged = setting->importEntries->records;
    ForEachKeptImportEntry(setting, replaces, [&](const JASetting& entry) {
        const std::less<const JASetting*> before;
        if (!before(&entry, staged) && before(&entry, staged + kJASettingSlots))
            take(SInt16(&entry - staged));
    });
}
