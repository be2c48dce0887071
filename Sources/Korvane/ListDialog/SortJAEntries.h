// The first step of Sort_JA_List: the records of the list put in order, in place.
#pragma once

#include "Korvane/DataStore/JASetting.h"

// Sorts records 0 to entryCount - 1 in the order the method's comparator gives (kSortByUser,
// kSortByID, any other value by login name).
void SortJAEntries(JASettingBlock* entries, short method);
