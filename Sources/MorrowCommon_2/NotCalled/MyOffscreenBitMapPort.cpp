// Drawing into an offscreen bitmap: opening its port, locking its pixels, clearing it, and
// what it hands to CopyBits.
#include "MorrowCommon_2/MyOffscreenBitMap.h"

#include "MorrowCommon_2/SaveAndRestoreTheGWorldClass.h"
#include "MorrowCommon_2/SaveAndRestoreThePixMapLockStateClass.h"

void OpenPortOffscreenBitMap(MyOffscreenBitMapRec* rec) {
    GetGWorld(&rec->savedPort, &rec->savedDevice);
    SetGWorld(rec->offscreenWorld, nullptr);
    SaveLockStateAndLockPixMapOffscreenBitMap(rec);
}

void ClosePortOffscreenBitMap(MyOffscreenBitMapRec* rec) {
    RestoreLockStatePixMapOffscreenBitMap(rec);
    SetGWorld(rec->savedPort, rec->savedDevice);
}

void SaveLockStateAndLockPixMapOffscreenBitMap(MyOffscreenBitMapRec* rec) {
    PixMapHandle pixMap = GetGWorldPixMap(rec->offscreenWorld);
    if (++rec->lockCount == 1) rec->savedPixelsState = GetPixelsState(pixMap);
    LockPixels(pixMap);
}

// A restore without a lock to match does nothing, so that the count never goes below zero.
void RestoreLockStatePixMapOffscreenBitMap(MyOffscreenBitMapRec* rec) {
    if (rec->lockCount <= 0) return;
    if (--rec->lockCount == 0)
        SetPixelsState(GetGWorldPixMap(rec->offscreenWorld), rec->savedPixelsState);
}

void ClearPortOffscreenBitMap(MyOffscreenBitMapRec* rec) {
    SaveAndRestoreTheGWorldClass current(rec->offscreenWorld);
    SaveAndRestoreThePixMapLockStateClass locked(rec->offscreenWorld, true);
    Rect bounds = (*GetGWorldPixMap(rec->offscreenWorld))->bounds;
    EraseRect(&bounds);
}

GWorldPtr GetPortOffscreenBitMap(MyOffscreenBitMapRec* rec) {
    return rec->offscreenWorld;
}

void GetSrcRectOffscreenBitMap(MyOffscreenBitMapRec* rec, Rect* srcRect) {
    GetPortBounds(rec->offscreenWorld, srcRect);
}

PixMapHandle GetPixMapOffscreenBitMap(MyOffscreenBitMapRec* rec) {
    return GetGWorldPixMap(rec->offscreenWorld);
}

const BitMap* GetBitMapForCopyBitsOffscreenBitMap(MyOffscreenBitMapRec* rec) {
    return GetPortBitMapForCopyBits(rec->offscreenWorld);
}

GDHandle GetGDeviceOffscreenBitMap(MyOffscreenBitMapRec* rec) {
    return GetGWorldDevice(rec->offscreenWorld);
}
