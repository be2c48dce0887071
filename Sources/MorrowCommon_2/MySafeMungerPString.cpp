#include "MorrowCommon_2/MySafeMungerPString.h"

#include "MorrowCommon_2/MyByteBuffers.h"
#include "Platform/MacErrors.h"
#include "Platform/MacMemory.h"

// A usable handle has a master pointer and room for the whole string its length byte announces.
static bool HoldsString(Handle h) {
    if (!h || !*h) return false;
    const Size size = GetHandleSize(h);
    return size >= 1 && size >= UInt8(**h) + 1;
}

// Grows the block to at least needed bytes. A locked block cannot move, so it is unlocked for the
// resize only; its state flags are put back whether or not the resize worked.
static bool MakeRoom(Handle h, Size needed) {
    if (GetHandleSize(h) >= needed) return true;
    const SInt8 state = HGetState(h);
    HUnlock(h);
    SetHandleSize(h, needed);
    const OSErr err = MemError();
    HSetState(h, state);
    return err == noErr;
}

static SInt32 ReplaceFirst(Handle h, ConstStr255Param search, ConstStr255Param replace) {
    StringPtr text = reinterpret_cast<StringPtr>(*h);
    const SInt32 position = SearchString(text[0], text + 1, search);
    if (position == 0) return -1;
    if (replace[0] > search[0]) {
        if (!MakeRoom(h, text[0] - search[0] + replace[0] + 1)) return -1;
        text = reinterpret_cast<StringPtr>(*h); // the block may have moved
    }
    // Slide the bytes after the match so that they follow the replacement; a memory move copies
    // in the safe direction whichever way they go.
    const UInt8* tail = text + position + search[0];
    BlockMoveData(tail, text + position + replace[0], text[0] - position + 1 - search[0]);
    text[0] = UInt8(text[0] - search[0] + replace[0]);
    BlockMoveData(replace + 1, text + position, replace[0]);
    return position;
}

SInt32 MySafeMungerPString(Handle h, ConstStr255Param search, ConstStr255Param replace) {
    if (!HoldsString(h)) return -1;
    // The length byte cannot express more than 255; refuse rather than truncate.
    if (UInt8(**h) - search[0] + replace[0] > 255) return -1;
    const SInt8 state = HGetState(h);
    HLock(h);
    const SInt32 position = ReplaceFirst(h, search, replace);
    HSetState(h, state);
    return position;
}
