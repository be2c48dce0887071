// The duplicate marking of the import as pairwise passes over the staged entries and the list:
// the reference the linear marking is held to, and its speed is measured against.
#pragma once

#include "Korvane/DataStore/JASetting.h"
#include "MorrowCommon_2/MyPStrings.h"

namespace testsupport {

inline bool MarksOthers(const JASetting& slot) {
    return !slot.duplicateFlag && !slot.invalidFlag;
}

inline Boolean PairwiseImportDuplicates(JASettingBlock* staged, JASettingBlock* list) {
    Boolean marked = false;
    for (int i = staged->entryCount - 1; i >= 0; --i) {
        if (!MarksOthers(staged->records[i])) continue;
        for (int j = 0; j < i; ++j)
            if (MyPStrCompare(staged->records[i].loginName, staged->records[j].loginName) == 0)
                staged->records[j].duplicateFlag = marked = true;
    }
    for (int i = staged->entryCount - 1; i >= 0; --i) {
        if (!MarksOthers(staged->records[i])) continue;
        for (int k = 0; k < list->entryCount; ++k)
            if (MyPStrCompare(staged->records[i].loginName, list->records[k].loginName) == 0)
                list->records[k].duplicateFlag = marked = true;
    }
    return marked;
}

} // namespace testsupport
