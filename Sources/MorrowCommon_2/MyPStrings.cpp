#include "MorrowCommon_2/MyPStrings.h"

#include "MorrowCommon_2/LongMinMax.h"
#include "MorrowCommon_2/MyByteBuffers.h"
#include "Platform/MacMemory.h"

void MyPStrCopy(ConstStr255Param src, StringPtr dst) {
    BlockMoveData(src, dst, src[0] + 1);
}

UInt8 MyPStrAdd(StringPtr dst, ConstStr255Param src) {
    const SInt32 count = LongMin(src[0], 255 - dst[0]);
    BlockMoveData(src + 1, dst + 1 + dst[0], count);
    dst[0] = UInt8(dst[0] + count);
    return dst[0];
}

Boolean MyPStrEqual(ConstStr255Param a, ConstStr255Param b) {
    // The length bytes come first, so strings of different lengths differ at once.
    return MyStructureEqual(a, b, a[0] + 1);
}

static SInt16 OrderOf(SInt32 a, SInt32 b) {
    return a > b ? 1 : (a < b ? -1 : 0);
}

SInt16 MyPStrCompare(ConstStr255Param a, ConstStr255Param b) {
    const SInt32 common = LongMin(a[0], b[0]);
    for (SInt32 i = 1; i <= common; ++i)
        if (a[i] != b[i]) return OrderOf(a[i], b[i]);
    return OrderOf(a[0], b[0]);
}

Boolean MyPStrCStrEqual(ConstStr255Param pstr, const char* cstr) {
    // Stop at cstr's terminator rather than read past the end of a shorter cstr.
    for (SInt32 i = 0; i < pstr[0]; ++i)
        if (cstr[i] == '\0' || UInt8(cstr[i]) != pstr[i + 1]) return false;
    return true;
}

void MyNumToString(SInt32 value, StringPtr str) {
    const Ptr text = reinterpret_cast<Ptr>(str + 1);
    str[0] = UInt8(AppendLongString(text, value, false) - text);
}
