#include "MorrowCommon_2/MyByteBuffers.h"

#include "Platform/MacMemory.h"

#include <cstring>

Ptr AppendPascalString(Ptr dst, ConstStr255Param src) {
    BlockMoveData(src + 1, dst, src[0]);
    return dst + src[0];
}

// True when value is at least power in magnitude, on value's side of zero. Comparing against the
// negated power keeps negative values from ever being negated, which -2147483648 cannot survive.
static bool ReachesPower(SInt32 value, SInt32 power) {
    return value < 0 ? value <= -power : value >= power;
}

Ptr AppendLongString(Ptr dst, SInt32 value, Boolean plusSign) {
    if (value < 0)
        *dst++ = '-';
    else if (plusSign)
        *dst++ = '+';

    SInt32 power = 1;
    while (power < 1000000000 && ReachesPower(value, power * 10))
        power *= 10;
    for (; power >= 10; power /= 10) {
        const SInt32 step = value < 0 ? -power : power;
        char digit = '0';
        for (; ReachesPower(value, power); value -= step)
            ++digit;
        *dst++ = digit;
    }
    *dst++ = char('0' + (value < 0 ? -value : value));
    return dst;
}

const char* MyStrChr(const char* cstr, char ch) {
    for (; *cstr != '\0'; ++cstr)
        if (*cstr == ch) return cstr;
    return nullptr;
}

const char* MyStrChr(const char* buf, SInt32 count, char ch) {
    for (SInt32 i = 0; i < count; ++i)
        if (buf[i] == ch) return buf + i;
    return nullptr;
}

// The C library's substring search skips ahead instead of comparing at every position.
SInt32 SearchString(SInt32 count, const void* buf, SInt32 patCount, const void* pat) {
    if (patCount < 0 || patCount > count) return 0;
    const void* found = memmem(buf, size_t(count), pat, size_t(patCount));
    if (found == nullptr) return 0;
    return SInt32(static_cast<const UInt8*>(found) - static_cast<const UInt8*>(buf)) + 1;
}

SInt32 SearchString(SInt32 count, const void* buf, ConstStr255Param pat) {
    return SearchString(count, buf, pat[0], pat + 1);
}

Boolean MyStructureEqual(const void* a, const void* b, SInt32 count) {
    const UInt8* left = static_cast<const UInt8*>(a);
    const UInt8* right = static_cast<const UInt8*>(b);
    for (SInt32 i = 0; i < count; ++i)
        if (left[i] != right[i]) return false;
    return true;
}

void SetDataToZero(void* p, UInt32 count) {
    UInt8* bytes = static_cast<UInt8*>(p);
    for (UInt32 i = 0; i < count; ++i)
        bytes[i] = 0;
}

SInt16 GetShortFromOddAddressPointer(const void* p) {
    const UInt8* bytes = static_cast<const UInt8*>(p);
    return SInt16((bytes[0] << 8) | bytes[1]);
}
