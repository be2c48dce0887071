#include "MorrowCommon_2/MyDigitNums.h"

namespace {

// The magnitude being built, held wide enough that one more step cannot overflow; it fails once
// it passes limit, the largest magnitude the sign allows.
struct Magnitude {
    SInt64 value = 0;
    SInt64 limit = 0;
    bool fits = true;

    void Push(SInt32 digit) {
        if (!fits) return;
        value = value * 10 + digit;
        fits = value <= limit;
    }
};

bool IsDigit(UInt8 byte) {
    return byte >= '0' && byte <= '9';
}

void PushDigits(const UInt8* bytes, SInt32 count, Magnitude& number) {
    for (SInt32 i = 0; i < count; ++i)
        number.Push(bytes[i] - '0');
}

bool AllDigits(const UInt8* bytes, SInt32 count) {
    for (SInt32 i = 0; i < count; ++i)
        if (!IsDigit(bytes[i])) return false;
    return true;
}

SInt32 DecimalPointIndex(const UInt8* bytes, SInt32 count) {
    const UInt8 point = GetDecimalPointCharacter();
    for (SInt32 i = 0; i < count; ++i)
        if (bytes[i] == point) return i;
    return count;
}

} // namespace

Boolean MyStringToDigitNum(const void* chars, SInt32 count, SInt32* result, SInt16 decimals) {
    const UInt8* bytes = static_cast<const UInt8*>(chars);
    *result = 0;
    const bool negative = count > 0 && bytes[0] == '-';
    if (count > 0 && (negative || bytes[0] == '+')) ++bytes, --count;

    Magnitude number{0, negative ? 2147483648LL : 2147483647LL};
    const SInt32 point = DecimalPointIndex(bytes, count);
    const SInt32 fraction = point < count ? count - point - 1 : 0;
    const SInt32 kept = fraction < decimals ? fraction : (decimals > 0 ? decimals : 0);
    const UInt8* fractionBytes = bytes + count - fraction;
    if (point + fraction == 0 || !AllDigits(bytes, point) || !AllDigits(fractionBytes, fraction))
        return false;
    PushDigits(bytes, point, number);
    PushDigits(fractionBytes, kept, number);
    for (SInt32 missing = kept; missing < decimals; ++missing)
        number.Push(0);
    if (!number.fits) return false;
    *result = SInt32(negative ? -number.value : number.value);
    return true;
}

SInt32 MyStringToDigitNum(const void* chars, SInt32 count, SInt16 decimals) {
    SInt32 result;
    MyStringToDigitNum(chars, count, &result, decimals);
    return result;
}

Boolean MyStringToDigitNum(ConstStr255Param str, SInt32* result, SInt16 decimals) {
    return MyStringToDigitNum(str + 1, str[0], result, decimals);
}

SInt32 MyStringToDigitNum(ConstStr255Param str, SInt16 decimals) {
    return MyStringToDigitNum(str + 1, str[0], decimals);
}
