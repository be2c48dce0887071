// Which entries an import leaves out because a later line names the same login.
#pragma once

#include "Korvane/DataStore/JASetting.h"

// Of the staged entries with one login name, only the last acceptable one (neither flag set)
// stays unmarked; every other staged entry with that name, and every listed entry with the name
// of an acceptable staged entry, gets duplicateFlag. The list's earlier marks are cleared first.
// True when anything was marked. Linear in the entries: one hash table of login names.
Boolean MarkImportDuplicates(JASettingBlock* staged, JASettingBlock* list);

// After MarkImportDuplicates: which staged entries take the place of a listed entry it marked.
// replaces holds kJASettingSlots flags.
void FindImportReplacements(const JASettingBlock* staged, const JASettingBlock* list,
                            Boolean* replaces);
