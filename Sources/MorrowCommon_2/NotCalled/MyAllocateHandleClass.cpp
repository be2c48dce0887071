#include "MorrowCommon_2/MyAllocateHandleClass.h"

#include "Platform/MacErrors.h"
#include "Platform/MacMemory.h"

MyAllocateHandleClass::~MyAllocateHandleClass() {
    if (handle) DisposeHandle(handle);
}

// When the block cannot grow where it is, its contents move to a fresh one, so that growing
// never loses them.
OSErr MyAllocateHandleClass::Grow(SInt32 newSize) {
    const SInt8 state = HGetState(handle);
    HUnlock(handle);
    SetHandleSize(handle, newSize);
    if (MemError() != noErr) {
        const Handle fresh = NewHandle(newSize);
        if (!fresh) {
            HSetState(handle, state);
            return memFullErr;
        }
        BlockMoveData(*handle, *fresh, size);
        DisposeHandle(handle);
        handle = fresh;
    }
    HSetState(handle, state);
    return noErr;
}

OSErr MyAllocateHandleClass::SetTheSize(SInt32 newSize) {
    if (newSize < 0) return paramErr;
    if (!handle) {
        handle = NewHandle(newSize);
        if (!handle) return MemError();
        capacity = newSize;
    } else if (newSize > capacity) {
        const OSErr err = Grow(newSize);
        if (err != noErr) return err;
        capacity = newSize;
    }
    size = newSize;
    return noErr;
}
