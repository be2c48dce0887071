// 'STR#' string lists and 'STR ' strings.
#include "Platform/Resources.h"

#include "Platform/MacMemory.h"
#include "Support/BigEndian.h"

#include <cstring>

void GetIndString(Str255 theString, SInt16 strListID, SInt16 index) {
    theString[0] = 0;
    Handle list = GetResource(FOUR_CHAR_CODE("STR#"), strListID);
    if (!list) return;
    const UInt8* bytes = reinterpret_cast<const UInt8*>(*list);
    const size_t size = size_t(GetHandleSize(list));
    const SInt32 count = size >= 2 ? platform::Big16(bytes) : 0;
    if (index < 1 || index > count) return;
    // A damaged list may claim more strings, or longer ones, than it holds.
    size_t at = 2;
    for (SInt16 skipped = 1; skipped < index && at < size; ++skipped)
        at += 1 + bytes[at];
    if (at >= size || at + 1 + bytes[at] > size) return;
    std::memcpy(theString, bytes + at, 1 + bytes[at]);
}

StringHandle GetString(SInt16 stringID) {
    return reinterpret_cast<StringHandle>(GetResource(FOUR_CHAR_CODE("STR "), stringID));
}
