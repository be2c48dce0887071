// 16-bit fields of resource templates, which are big-endian and may lie at odd addresses.
#pragma once

#include "MorrowCommon_2/MyByteBuffers.h"

inline void PutShortToOddAddressPointer(void* p, SInt16 value) {
    UInt8* bytes = static_cast<UInt8*>(p);
    bytes[0] = UInt8(UInt16(value) >> 8);
    bytes[1] = UInt8(value);
}
