#include "MorrowCommon_2/MyHexStrings.h"

namespace {

UInt8 HexString(UInt32 value, SInt32 nibbles, StringPtr str, Boolean withPrefix,
                Boolean withLeadingZeros) {
    UInt8 length = 0;
    if (withPrefix) {
        str[++length] = '0';
        str[++length] = 'x';
    }
    for (SInt32 shift = (nibbles - 1) * 4; shift >= 0; shift -= 4) {
        const UInt32 nibble = (value >> shift) & 0xF;
        const bool leading = length == (withPrefix ? 2 : 0) && nibble == 0 && shift > 0;
        if (leading && !withLeadingZeros) continue;
        str[++length] = UInt8(nibble < 10 ? '0' + nibble : 'A' + nibble - 10);
    }
    return str[0] = length;
}

} // namespace

UInt8 GetHexStringFromLongValue(UInt32 value, StringPtr str, Boolean withPrefix,
                                Boolean withLeadingZeros) {
    return HexString(value, 8, str, withPrefix, withLeadingZeros);
}

UInt8 GetHexStringFromShortValue(UInt16 value, StringPtr str, Boolean withPrefix,
                                 Boolean withLeadingZeros) {
    return HexString(value, 4, str, withPrefix, withLeadingZeros);
}
