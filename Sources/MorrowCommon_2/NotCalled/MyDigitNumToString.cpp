#include "MorrowCommon_2/MyDigitNums.h"

#include "MorrowCommon_2/MyByteBuffers.h"
#include "Platform/MacMemory.h"

namespace {

// Writes count copies of ch at dst; returns the cursor past them.
Ptr AppendRepeated(Ptr dst, char ch, SInt32 count) {
    for (SInt32 i = 0; i < count; ++i)
        *dst++ = ch;
    return dst;
}

// Drops trailing fraction zeros, then a decimal point left last; returns the new end.
Ptr TrimFraction(Ptr text, Ptr end) {
    while (end > text && end[-1] == '0')
        --end;
    return end > text && UInt8(end[-1]) == GetDecimalPointCharacter() ? end - 1 : end;
}

} // namespace

void MyDigitNumToString(SInt32 value, SInt16 decimals, StringPtr str, Boolean keepTrailingZeros) {
    if (decimals < 0) decimals = 0;
    char scratch[12];
    const Ptr end = AppendLongString(scratch, value, false);
    // The sign goes in front of the whole number, never among the digits.
    const SInt32 sign = value < 0 ? 1 : 0;
    const SInt32 n = SInt32(end - scratch) - sign;
    // Leading zeros give at least one whole digit before the fraction.
    const SInt32 padding = n <= decimals ? decimals + 1 - n : 0;
    str[0] = 0;
    if (sign + padding + n + (decimals > 0 ? 1 : 0) > 255) return;

    Ptr text = reinterpret_cast<Ptr>(str + 1);
    Ptr cursor = AppendRepeated(AppendRepeated(text, '-', sign), '0', padding);
    BlockMoveData(scratch + sign, cursor, n);
    cursor += n;
    if (decimals > 0) {
        Ptr fraction = cursor - decimals;
        BlockMoveData(fraction, fraction + 1, decimals);
        *fraction = char(GetDecimalPointCharacter());
        ++cursor;
        if (!keepTrailingZeros) cursor = TrimFraction(text, cursor);
    }
    str[0] = UInt8(cursor - text);
}
