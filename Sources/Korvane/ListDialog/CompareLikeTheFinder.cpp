#include "Korvane/ListDialog/NameOrder.h"
#include "Korvane/ListDialog/SortJAList.h"

#include "MorrowCommon_2/MyPStrings.h"
#include "Platform/CoreFoundation.h"

#include <algorithm>

// Names are ASCII text and widen unit for unit, which is what their ASCII string object would
// hold. A name with other bytes is read as UTF-8 when it is valid UTF-8 (names typed on this
// system), else byte for byte as Latin-1. Every byte string converts, so every name has its place
// in the order and a sort always completes.
UniCharCount NameCharacters(ConstStr255Param name, UniChar* units) {
    const UInt8 *text = name + 1, *end = text + name[0];
    if (std::any_of(text, end, [](UInt8 byte) { return byte > 0x7F; })) {
        if (CFStringRef string =
                CFStringCreateWithPascalString(kCFAllocatorDefault, name, kCFStringEncodingUTF8)) {
            CFIndex length = CFStringGetLength(string);
            CFStringGetCharacters(string, CFRangeMake(0, length), units);
            CFRelease(string);
            return UniCharCount(length);
        }
    }
    std::copy(text, end, units);
    return name[0];
}

// Names the collation finds equal ("Zed" and "zed", "a1" and "a01") go by their bytes, so that
// every sort has one result.
int ThenByBytes(SInt32 order, ConstStr255Param a, ConstStr255Param b) {
    return order != 0 ? (order > 0) - (order < 0) : MyPStrCompare(a, b);
}

int CompareLikeTheFinder(const void* a, const void* b, void*) {
    auto nameA = static_cast<ConstStr255Param>(a), nameB = static_cast<ConstStr255Param>(b);
    UniChar unitsA[kNameUnits], unitsB[kNameUnits];
    UniCharCount lengthA = NameCharacters(nameA, unitsA), lengthB = NameCharacters(nameB, unitsB);
    SInt32 order = 0; // a comparison that fails leaves the order to the bytes
    UCCompareTextDefault(kNameOrderOptions, unitsA, lengthA, unitsB, lengthB, nullptr, &order);
    return SInt16(ThenByBytes(order, nameA, nameB));
}
