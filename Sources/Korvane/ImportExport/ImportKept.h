// Which entries an import writes: the list's first, then the imported ones, up to the list's
// limit.
#pragma once

#include "Korvane/DataStore/SettingPrivateRec.h"

// Calls take with each entry that is kept, the list's first and the imported ones after them,
// as long as the list has room; false when some did not fit.
template <typename Take>
Boolean ForEachKeptImportEntry(const SettingPrivateRec* setting, Take take) {
    SInt32 taken = 0;
    for (const JASettingBlock* group : {setting->entries, setting->importEntries})
        for (SInt16 i = 0; i < group->entryCount; ++i) {
            const JASetting& entry = group->records[i];
            if (entry.duplicateFlag || entry.invalidFlag) continue;
            if (taken++ == kJAMaxEntries) return false;
            take(entry);
        }
    return true;
}
