#include "MorrowCommon_2/MyUnknownSizePtrClass.h"

#include "MorrowCommon_2/LongMinMax.h"
#include "Platform/MacErrors.h"
#include "Platform/MacMemory.h"

#include <limits>

MyUnknownSizePtrClass::~MyUnknownSizePtrClass() {
    if (storage) DisposePtr(storage);
}

OSErr MyUnknownSizePtrClass::ExtendTheSize(SInt32 extra) {
    constexpr SInt32 kLargest = std::numeric_limits<SInt32>::max();
    if (extra < 0) return paramErr;
    if (extra > kLargest - size) return memFullErr;
    const SInt32 needed = size + extra;
    if (capacity < needed) {
        const SInt32 growth = LongMax(growStep, needed - capacity);
        if (growth > kLargest - capacity) return memFullErr;
        const Ptr grown = NewPtrClear(capacity + growth);
        if (!grown) return memFullErr;
        if (storage) {
            BlockMoveData(storage, grown, size);
            DisposePtr(storage);
        }
        storage = grown;
        capacity += growth;
    }
    size = needed;
    return noErr;
}
