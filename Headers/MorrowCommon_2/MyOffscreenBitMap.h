// A required part of the support library that the program does not call; built in the
// separate target MorrowCommon_2NotCalled and tested in tests/MorrowCommon_2/NotCalled.
// An offscreen bitmap: one graphics world whose port coordinates are those of a rectangle the
// caller chose, so that drawing code can be pointed at it unchanged and the result copied back
// with CopyBits. It remembers the port that was current when it was opened and counts nested
// locks of its pixels.
#pragma once

#include "Platform/QDOffscreen.h"

struct MyOffscreenBitMapRec {
    GWorldPtr offscreenWorld;
    GDHandle savedDevice;         // current when the port was opened
    CGrafPtr savedPort;           // current when the port was opened
    GWorldFlags savedPixelsState; // before the outermost lock
    long lockCount;
    Boolean ownsExtraBlock;
    Ptr extraBlock; // freed with the record when owned; nothing here fills it
};

// Colour modes: 0 the devices' depth, 1 one bit, 3 eight bits with 'clut' ctableID, 4 sixteen
// bits, 5 thirty-two bits. Other modes are refused (paramErr) and change nothing.

// A new record whose world covers bounds (16 by 16 at (0, 0) without bounds), black on white;
// null when the record, the world or the colour mode cannot be made.
MyOffscreenBitMapRec* InitOffscreenBitMap(const Rect* bounds, SInt16 colorMode, SInt16 ctableID);
OSErr SetColorModeOffscreenBitMap(MyOffscreenBitMapRec* rec, SInt16 colorMode, SInt16 ctableID);
void TerminateOffscreenBitMap(MyOffscreenBitMapRec* rec);

// Used in pairs around drawing into the world: the world current and its pixels locked.
void OpenPortOffscreenBitMap(MyOffscreenBitMapRec* rec);
void ClosePortOffscreenBitMap(MyOffscreenBitMapRec* rec);
// Locks nest; only the outermost pair saves and restores the pixel state.
void SaveLockStateAndLockPixMapOffscreenBitMap(MyOffscreenBitMapRec* rec);
void RestoreLockStatePixMapOffscreenBitMap(MyOffscreenBitMapRec* rec);
// Erases the whole pixel map in the world's background colour.
void ClearPortOffscreenBitMap(MyOffscreenBitMapRec* rec);

GWorldPtr GetPortOffscreenBitMap(MyOffscreenBitMapRec* rec);
void GetSrcRectOffscreenBitMap(MyOffscreenBitMapRec* rec, Rect* srcRect);
PixMapHandle GetPixMapOffscreenBitMap(MyOffscreenBitMapRec* rec);
const BitMap* GetBitMapForCopyBitsOffscreenBitMap(MyOffscreenBitMapRec* rec);
GDHandle GetGDeviceOffscreenBitMap(MyOffscreenBitMapRec* rec);
