// The Memory Manager: nonrelocatable pointers and relocatable handles.
#pragma once

#include "Platform/MacTypes.h"

Ptr NewPtr(Size byteCount);
Ptr NewPtrClear(Size byteCount);
void DisposePtr(Ptr p);

Handle NewHandle(Size byteCount);
Handle NewHandleClear(Size byteCount);
void DisposeHandle(Handle h);
Size GetHandleSize(Handle h);
void SetHandleSize(Handle h, Size newSize);
void HLock(Handle h);
void HUnlock(Handle h);
SInt8 HGetState(Handle h);
void HSetState(Handle h, SInt8 flags);
OSErr PtrToHand(const void* srcPtr, Handle* dstHndl, Size size);
OSErr MemError();
void BlockMoveData(const void* srcPtr, void* destPtr, Size byteCount);

// Flag bits of HGetState/HSetState.
constexpr UInt8 kHandleLockedMask = 0x80;
constexpr UInt8 kHandlePurgeableMask = 0x40;
constexpr UInt8 kHandleIsResourceMask = 0x20;
