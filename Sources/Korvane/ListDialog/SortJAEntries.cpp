#include "Korvane/ListDialog/SortJAEntries.h"

#include "Korvane/ListDialog/NameOrder.h"
#include "Korvane/ListDialog/SortJAList.h"

#include <algorithm>
#include <cstdlib>

namespace {

struct SortMethod {
    int (*compare)(const void* a, const void* b);
    Str255 JASetting::*name; // null for the ID
};

SortMethod MethodFor(short method) {
    switch (method) {
    case kSortByUser:
        return {compare_user, &JASetting::userName};
    case kSortByID:
        return {compare_id, nullptr};
    default:
        return {compare_login, &JASetting::loginName};
    }
}

} // namespace

// Names are sorted through keys made once per name, which give the comparator's order at a
// fraction of its cost; qsort with the comparator stands in when the keys cannot be made.
void SortJAEntries(JASettingBlock* entries, short method) {
    SortMethod sort = MethodFor(method);
    SInt16 count = std::clamp<SInt16>(entries->entryCount, 0, kJASettingSlots);
    if (sort.name && SortByNameKeys(entries->records, count, sort.name) == noErr) return;
    std::qsort(entries->records, size_t(count), sizeof(JASetting), sort.compare);
}
