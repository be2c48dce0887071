// Making an offscreen bitmap, changing its colour mode and freeing it.
#include "MorrowCommon_2/MyOffscreenBitMap.h"

#include "MorrowCommon_2/MyNewPtrClearOrNewPtrSysClear.h"
#include "MorrowCommon_2/SaveAndRestoreTheGWorldClass.h"
#include "MorrowCommon_2/SetBlackOnWhite.h"
#include "Platform/MacErrors.h"
#include "Platform/MacMemory.h"

namespace {

struct ColorMode {
    SInt16 depth;
    bool usesTable;
};

bool ColorModeFor(SInt16 colorMode, ColorMode* mode) {
    switch (colorMode) {
    case 0:
        *mode = {0, false};
        return true;
    case 1:
        *mode = {1, false};
        return true;
    case 3:
        *mode = {8, true};
        return true;
    case 4:
        *mode = {16, false};
        return true;
    case 5:
        *mode = {32, false};
        return true;
    default:
        return false;
    }
}

// The world's coordinates become bounds: the pixel map moves to its top left, and the port's
// bounds, visible and clip regions become it.
void PlaceOffscreenPort(GWorldPtr world, const Rect& bounds) {
    PixMapHandle pixMap = GetGWorldPixMap(world);
    OffsetRect(&(*pixMap)->bounds, SInt16(bounds.left - (*pixMap)->bounds.left),
               SInt16(bounds.top - (*pixMap)->bounds.top));
    SetPortBounds(world, &bounds);
    RgnHandle region = NewRgn();
    if (region) {
        RectRgn(region, &bounds);
        SetPortVisibleRegion(world, region);
        SetPortClipRegion(world, region);
        DisposeRgn(region);
    }
    PortChanged(world);
}

} // namespace

MyOffscreenBitMapRec* InitOffscreenBitMap(const Rect* bounds, SInt16 colorMode, SInt16 ctableID) {
    auto* rec = reinterpret_cast<MyOffscreenBitMapRec*>(
        MyNewPtrClearOrNewPtrSysClear(sizeof(MyOffscreenBitMapRec)));
    if (!rec) return nullptr;
    const Rect place = bounds ? *bounds : Rect{0, 0, 16, 16};
    Rect size{0, 0, SInt16(place.bottom - place.top), SInt16(place.right - place.left)};
    if (NewGWorld(&rec->offscreenWorld, 0, &size, nullptr, nullptr, useTempMem) != noErr) {
        TerminateOffscreenBitMap(rec);
        return nullptr;
    }
    SaveAndRestoreTheGWorldClass current(rec->offscreenWorld);
    PlaceOffscreenPort(rec->offscreenWorld, place);
    // With the world current, the colour mode leaves it current.
    if (SetColorModeOffscreenBitMap(rec, colorMode, ctableID) != noErr) {
        TerminateOffscreenBitMap(rec);
        return nullptr;
    }
    SetBlackOnWhite();
    return rec;
}

// Whatever was current stays current, unless it was the world itself (or its device), which the
// update may have replaced: then the world is made current again.
OSErr SetColorModeOffscreenBitMap(MyOffscreenBitMapRec* rec, SInt16 colorMode, SInt16 ctableID) {
    ColorMode mode;
    if (!rec || !rec->offscreenWorld || !ColorModeFor(colorMode, &mode)) return paramErr;
    CGrafPtr savedPort = nullptr;
    GDHandle savedDevice = nullptr;
    GetGWorld(&savedPort, &savedDevice);
    const bool restore =
        savedPort != rec->offscreenWorld && savedDevice != GetGWorldDevice(rec->offscreenWorld);
    Rect bounds;
    GetPortBounds(rec->offscreenWorld, &bounds);
    Rect size{0, 0, SInt16(bounds.bottom - bounds.top), SInt16(bounds.right - bounds.left)};
    CTabHandle table = mode.usesTable ? GetCTable(ctableID) : nullptr;
    if (mode.usesTable && !table) return QDError();
    const GWorldFlags result =
        UpdateGWorld(&rec->offscreenWorld, mode.depth, &size, table, nullptr, 0);
    if (table) DisposeCTable(table);
    if (result & gwFlagErr) {
        const OSErr err = QDError();
        if (restore) SetGWorld(savedPort, savedDevice);
        return err;
    }
    if (!restore) SetGWorld(rec->offscreenWorld, nullptr);
    PlaceOffscreenPort(rec->offscreenWorld, bounds);
    if (restore) SetGWorld(savedPort, savedDevice);
    return noErr;
}

void TerminateOffscreenBitMap(MyOffscreenBitMapRec* rec) {
    if (!rec) return;
    if (rec->ownsExtraBlock && rec->extraBlock) DisposePtr(rec->extraBlock);
    if (rec->offscreenWorld) DisposeGWorld(rec->offscreenWorld);
    DisposePtr(reinterpret_cast<Ptr>(rec));
}
