// Raw byte buffers: writers that advance a cursor (never writing a terminator), searches and
// comparisons over counted bytes.
#pragma once

#include "Platform/MacTypes.h"

// Copies the text of src (not its length byte) to dst; returns dst + length(src).
Ptr AppendPascalString(Ptr dst, ConstStr255Param src);

// Writes value in decimal, with a leading "-" when negative or "+" when plusSign is set and the
// value is not negative; at most 11 bytes. Returns the cursor past the last digit.
Ptr AppendLongString(Ptr dst, SInt32 value, Boolean plusSign);

// The first byte equal to ch before the terminating zero, or null (so ch 0 is never found).
const char* MyStrChr(const char* cstr, char ch);
// The first byte equal to ch among the first count bytes, or null.
const char* MyStrChr(const char* buf, SInt32 count, char ch);
inline char* MyStrChr(char* cstr, char ch) {
    return const_cast<char*>(MyStrChr(static_cast<const char*>(cstr), ch));
}
inline char* MyStrChr(char* buf, SInt32 count, char ch) {
    return const_cast<char*>(MyStrChr(static_cast<const char*>(buf), count, ch));
}

// 1-based position of the first occurrence of the patCount bytes of pat among the count bytes of
// buf; 0 when there is none. An empty pattern is found at position 1.
SInt32 SearchString(SInt32 count, const void* buf, SInt32 patCount, const void* pat);
// The same with the text of a Str255.
SInt32 SearchString(SInt32 count, const void* buf, ConstStr255Param pat);

// True when the count bytes at a and b are equal.
Boolean MyStructureEqual(const void* a, const void* b, SInt32 count);

void SetDataToZero(void* p, UInt32 count);

// The signed 16-bit big-endian value at p, which need not be aligned.
SInt16 GetShortFromOddAddressPointer(const void* p);
