// Graphics worlds: ports with pixels of their own, made, resized and disposed of here.
#include "Platform/MacErrors.h"
#include "Platform/MacMemory.h"
#include "QuickDraw/Pixels.h"
#include "QuickDraw/Port.h"

#include <cstring>
#include <new>

using namespace platform::quickdraw;

namespace {

GDHandle gCurrentDevice = nullptr; // null: the main device

QDErr Report(QDErr err) {
    SetQDError(err);
    return err;
}

CTabHandle CopyOfTable(CTabHandle table) {
    Handle copy = nullptr;
    PtrToHand(*table, &copy, GetHandleSize(reinterpret_cast<Handle>(table)));
    return reinterpret_cast<CTabHandle>(copy);
}

// Fills a world's pixel map for a depth, size and colour table; the pixels start out zero.
QDErr MakePixels(Offscreen& world, SInt16 depth, const Rect& bounds, CTabHandle cTable) {
    if (depth == 0) depth = 32;
    if (depth != 1 && depth != 8 && depth != 16 && depth != 32) return cDepthErr;
    // Coordinates are 16-bit, and so must the size be, or pixel positions would wrap.
    const int width = bounds.right - bounds.left, height = bounds.bottom - bounds.top;
    if (width <= 0 || height <= 0 || width > 0x7FFF || height > 0x7FFF) return paramErr;
    const SInt32 rowBytes = RowBytesFor(SInt16(width), depth);
    if (rowBytes > 0x3FFE) return paramErr; // the most 15 bits of rowBytes can say, kept even
    try {
        world.pixels.assign(size_t(rowBytes) * size_t(height), 0);
    } catch (const std::bad_alloc&) {
        return memFullErr;
    }
    CTabHandle table = nullptr;
    if (depth <= 8) {
        table = cTable ? CopyOfTable(cTable) : GetCTable(depth);
        if (!table) return cTable ? memFullErr : QDError();
    }
    const bool direct = depth > 8;
    world.pixMap = PixMap{reinterpret_cast<Ptr>(world.pixels.data()),
                          SInt16(rowBytes | kPixMapFlag),
                          bounds,
                          SInt16(direct ? 16 : 0),
                          depth,
                          SInt16(direct ? 3 : 1),
                          SInt16(depth == 16 ? 5
                                 : direct    ? 8
                                             : depth),
                          table};
    world.device.gdType = direct ? 2 : 0; // directType, clutType
    world.device.gdRect = bounds;
    return noErr;
}

} // namespace

Offscreen::~Offscreen() {
    UnregisterOffscreen(this);
    if (pixMap.pmTable) DisposeHandle(reinterpret_cast<Handle>(pixMap.pmTable));
}

QDErr NewGWorld(GWorldPtr* offscreenGWorld, SInt16 pixelDepth, const Rect* boundsRect,
                CTabHandle cTable, GDHandle aGDevice, GWorldFlags flags) {
    if (!offscreenGWorld || !boundsRect || EmptyRect(boundsRect)) return Report(paramErr);
    auto port = std::make_unique<OpaqueGrafPtr>();
    InitPort(port.get());
    port->offscreen = std::make_unique<Offscreen>();
    if (QDErr err = MakePixels(*port->offscreen, pixelDepth, *boundsRect, cTable))
        return Report(err);
    if ((flags & noNewDevice) && aGDevice) port->offscreen->deviceInUse = aGDevice;
    port->portRect = port->visBox = *boundsRect;
    RegisterOffscreen(port->offscreen.get());
    *offscreenGWorld = port.release();
    return Report(noErr);
}

// The picture is kept from its top left (scaled to the new size with stretchPix).
GWorldFlags UpdateGWorld(GWorldPtr* offscreenGWorld, SInt16 pixelDepth, const Rect* boundsRect,
                         CTabHandle cTable, GDHandle, GWorldFlags flags) {
    if (!offscreenGWorld || !*offscreenGWorld || !(*offscreenGWorld)->offscreen || !boundsRect ||
        EmptyRect(boundsRect)) {
        Report(paramErr);
        return gwFlagErr;
    }
    GrafPtr port = *offscreenGWorld;
    Offscreen& world = *port->offscreen;
    Offscreen fresh;
    if (QDErr err = MakePixels(fresh, pixelDepth, *boundsRect, cTable)) {
        Report(err);
        return gwFlagErr;
    }
    const Rect& old = world.pixMap.bounds;
    const bool sameSize = old.right - old.left == boundsRect->right - boundsRect->left &&
                          old.bottom - old.top == boundsRect->bottom - boundsRect->top;
    GWorldFlags result = 0;
    if (sameSize && fresh.pixMap.pixelSize == world.pixMap.pixelSize &&
        SameColours(fresh.pixMap.pmTable, world.pixMap.pmTable)) {
        world.pixMap.bounds = world.device.gdRect = *boundsRect;
    } else {
        Rect to = fresh.pixMap.bounds;
        if (!(flags & stretchPix))
            to = Rect{to.top, to.left, SInt16(to.top + old.bottom - old.top),
                      SInt16(to.left + old.right - old.left)};
        CopyPixels(world.pixMap, old, fresh.pixMap, to);
        if (fresh.pixMap.pixelSize != world.pixMap.pixelSize) result |= newDepth;
        if (fresh.pixMap.rowBytes != world.pixMap.rowBytes) result |= newRowBytes;
        result |= reallocPix | (flags & (clipPix | stretchPix));
        std::swap(world.pixMap, fresh.pixMap); // fresh takes the old colour table with it
        std::swap(world.pixels, fresh.pixels);
        world.device.gdType = fresh.device.gdType;
        world.device.gdRect = *boundsRect;
    }
    port->portRect = port->visBox = *boundsRect;
    Report(noErr);
    return result;
}

void DisposeGWorld(GWorldPtr offscreenGWorld) {
    if (!offscreenGWorld || !offscreenGWorld->offscreen) return;
    ForgetPort(offscreenGWorld);
    if (gCurrentDevice == offscreenGWorld->offscreen->deviceInUse) gCurrentDevice = nullptr;
    delete offscreenGWorld;
}

void GetGWorld(CGrafPtr* port, GDHandle* gdh) {
    if (port) GetPort(port);
    if (gdh) *gdh = gCurrentDevice ? gCurrentDevice : GetMainDevice();
}

void SetGWorld(CGrafPtr port, GDHandle gdh) {
    SetPort(port);
    gCurrentDevice = port && port->offscreen ? port->offscreen->deviceInUse : gdh;
}

PixMapHandle GetGWorldPixMap(GWorldPtr offscreenGWorld) {
    return offscreenGWorld && offscreenGWorld->offscreen ? &offscreenGWorld->offscreen->pixMapMaster
                                                         : nullptr;
}

GDHandle GetGWorldDevice(GWorldPtr offscreenGWorld) {
    return offscreenGWorld && offscreenGWorld->offscreen ? offscreenGWorld->offscreen->deviceInUse
                                                         : nullptr;
}

// A graphics world's pixel map starts with a BitMap's fields; a window's port has none.
const BitMap* GetPortBitMapForCopyBits(CGrafPtr port) {
    if (!port) return nullptr;
    if (port->offscreen) return reinterpret_cast<const BitMap*>(&port->offscreen->pixMap);
    port->portBits = BitMap{nullptr, 0, port->portRect};
    return &port->portBits;
}

Boolean LockPixels(PixMapHandle pm) {
    Offscreen* world = OffscreenOf(pm);
    if (world) world->pixelsState |= pixelsLocked;
    return world != nullptr;
}

void UnlockPixels(PixMapHandle pm) {
    if (Offscreen* world = OffscreenOf(pm)) world->pixelsState &= ~pixelsLocked;
}

GWorldFlags GetPixelsState(PixMapHandle pm) {
    Offscreen* world = OffscreenOf(pm);
    return world ? world->pixelsState : 0;
}

void SetPixelsState(PixMapHandle pm, GWorldFlags state) {
    if (Offscreen* world = OffscreenOf(pm))
        world->pixelsState = state & (pixelsLocked | pixelsPurgeable);
}
