// Big-endian fields read and written where they lie (resources, sidecars, Finder information),
// without regard to alignment.
#pragma once

#include "Platform/MacTypes.h"

namespace platform {

inline UInt16 Big16(const UInt8* p) {
    return UInt16((p[0] << 8) | p[1]);
}
inline UInt32 Big32(const UInt8* p) {
    return (UInt32(Big16(p)) << 16) | Big16(p + 2);
}
inline void PutBig16(UInt8* p, UInt16 v) {
    p[0] = UInt8(v >> 8);
    p[1] = UInt8(v);
}
inline void PutBig32(UInt8* p, UInt32 v) {
    PutBig16(p, UInt16(v >> 16));
    PutBig16(p + 2, UInt16(v));
}

} // namespace platform
