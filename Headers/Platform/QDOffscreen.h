// Offscreen graphics worlds: a port with its own pixel map and device, drawn into like any port.
// Depths 1, 8, 16 and 32 bits; 0 means the main device's (32).
#pragma once

#include "Platform/Quickdraw.h"

typedef UInt32 GWorldFlags;
enum : GWorldFlags {
    noNewDevice = 1u << 1,
    useTempMem = 1u << 2,
    keepLocal = 1u << 3,
    pixelsPurgeable = 1u << 6,
    pixelsLocked = 1u << 7,
    // Results of UpdateGWorld.
    newDepth = 1u << 17,
    newRowBytes = 1u << 19,
    reallocPix = 1u << 20,
    clipPix = 1u << 28,
    stretchPix = 1u << 29,
    gwFlagErr = 1u << 31,
};

// A pixel map begins with the fields of a BitMap, so that either can stand for the other.
// rowBytes has its top bit set to say so.
struct PixMap {
    Ptr baseAddr;
    SInt16 rowBytes;
    Rect bounds;
    SInt16 pixelType; // 0 indexed, 16 direct
    SInt16 pixelSize;
    SInt16 cmpCount;
    SInt16 cmpSize;
    CTabHandle pmTable;
};
typedef PixMap* PixMapPtr;
typedef PixMapPtr* PixMapHandle;

constexpr SInt16 kPixMapFlag = SInt16(0x8000);
constexpr QDErr cDepthErr = -157;

QDErr NewGWorld(GWorldPtr* offscreenGWorld, SInt16 pixelDepth, const Rect* boundsRect,
                CTabHandle cTable, GDHandle aGDevice, GWorldFlags flags);
// Gives the world a new depth, size or colour table, keeping its picture where it still fits;
// gwFlagErr (and QDError) on failure, the world then unchanged.
GWorldFlags UpdateGWorld(GWorldPtr* offscreenGWorld, SInt16 pixelDepth, const Rect* boundsRect,
                         CTabHandle cTable, GDHandle aGDevice, GWorldFlags flags);
void DisposeGWorld(GWorldPtr offscreenGWorld);

// The current port and device. Making a graphics world current makes its device current too.
void GetGWorld(CGrafPtr* port, GDHandle* gdh);
void SetGWorld(CGrafPtr port, GDHandle gdh);

PixMapHandle GetGWorldPixMap(GWorldPtr offscreenGWorld);
GDHandle GetGWorldDevice(GWorldPtr offscreenGWorld);
const BitMap* GetPortBitMapForCopyBits(CGrafPtr port);

// Pixels are never purged here, so locking always succeeds; the state is still kept and told.
Boolean LockPixels(PixMapHandle pm);
void UnlockPixels(PixMapHandle pm);
GWorldFlags GetPixelsState(PixMapHandle pm);
void SetPixelsState(PixMapHandle pm, GWorldFlags state);
