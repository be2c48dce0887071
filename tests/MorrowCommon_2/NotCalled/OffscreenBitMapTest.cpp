// The offscreen bitmap and the graphics-world scopes it uses.
#include "MorrowCommon_2/MyOffscreenBitMap.h"
#include "MorrowCommon_2/SaveAndRestoreNonThemeBackgroundClass.h"
#include "MorrowCommon_2/SaveAndRestoreThePixMapLockStateClass.h"
#include "Platform/MacErrors.h"

#include "Platform/PlatformTesting.h"

#include <gtest/gtest.h>

namespace {

struct OffscreenBitMap {
    OffscreenBitMap(const Rect* bounds, SInt16 mode, SInt16 table = 0)
        : rec(InitOffscreenBitMap(bounds, mode, table)) {}
    ~OffscreenBitMap() { TerminateOffscreenBitMap(rec); }
    MyOffscreenBitMapRec* rec;
};

Rect PortBounds(MyOffscreenBitMapRec* rec) {
    Rect bounds;
    GetSrcRectOffscreenBitMap(rec, &bounds);
    return bounds;
}

// 8-bit worlds take the standard colours from the bundle's system file.
class OffscreenBitMapTest : public testing::Test {
    PlatformScopedMainBundle bundle_{KORVANE_BUILD_BUNDLE};
};

} // namespace

TEST_F(OffscreenBitMapTest, WorldTakesTheCallersCoordinatesAndColourMode) {
    const Rect place{100, 50, 300, 250};
    CGrafPtr before;
    GDHandle device;
    GetGWorld(&before, &device);
    OffscreenBitMap bitmap(&place, 0);
    ASSERT_NE(bitmap.rec, nullptr);
    const Rect bounds = PortBounds(bitmap.rec);
    EXPECT_TRUE(EqualRect(&bounds, &place));
    const PixMap& map = **GetPixMapOffscreenBitMap(bitmap.rec);
    EXPECT_TRUE(EqualRect(&map.bounds, &place)); // 200 by 200, at the same place
    EXPECT_EQ(map.pixelSize, 32);
    CGrafPtr after;
    GetGWorld(&after, &device);
    EXPECT_EQ(after, before);

    // Colour modes keep the place; the world may be current while it changes.
    SetGWorld(GetPortOffscreenBitMap(bitmap.rec), nullptr);
    for (auto [mode, depth] : {std::pair{1, 1}, {3, 8}, {4, 16}, {5, 32}}) {
        EXPECT_EQ(SetColorModeOffscreenBitMap(bitmap.rec, SInt16(mode), 8), noErr);
        EXPECT_EQ((*GetPixMapOffscreenBitMap(bitmap.rec))->pixelSize, depth);
        const Rect now = PortBounds(bitmap.rec);
        EXPECT_TRUE(EqualRect(&now, &place));
    }
    GetGWorld(&after, &device);
    EXPECT_EQ(after, GetPortOffscreenBitMap(bitmap.rec));
    SetGWorld(before, nullptr);
    EXPECT_EQ(SetColorModeOffscreenBitMap(bitmap.rec, 2, 0), paramErr);
    EXPECT_EQ(SetColorModeOffscreenBitMap(bitmap.rec, 3, 4242), resNotFound);
    EXPECT_EQ((*GetPixMapOffscreenBitMap(bitmap.rec))->pixelSize, 32);

    OffscreenBitMap small(nullptr, 1);
    ASSERT_NE(small.rec, nullptr);
    const Rect sixteen{0, 0, 16, 16}, got = PortBounds(small.rec);
    EXPECT_TRUE(EqualRect(&got, &sixteen));
    EXPECT_EQ(OffscreenBitMap(&place, 6).rec, nullptr);
    EXPECT_EQ(OffscreenBitMap(&place, 3, 4242).rec, nullptr);
    TerminateOffscreenBitMap(nullptr);
}

TEST_F(OffscreenBitMapTest, LocksNestAndPortsComeBack) {
    OffscreenBitMap bitmap(nullptr, 5);
    PixMapHandle pixels = GetPixMapOffscreenBitMap(bitmap.rec);
    SetPixelsState(pixels, pixelsPurgeable);
    SaveLockStateAndLockPixMapOffscreenBitMap(bitmap.rec);
    SaveLockStateAndLockPixMapOffscreenBitMap(bitmap.rec);
    RestoreLockStatePixMapOffscreenBitMap(bitmap.rec);
    EXPECT_NE(GetPixelsState(pixels) & pixelsLocked, 0u);
    RestoreLockStatePixMapOffscreenBitMap(bitmap.rec);
    EXPECT_EQ(GetPixelsState(pixels), GWorldFlags(pixelsPurgeable));
    RestoreLockStatePixMapOffscreenBitMap(bitmap.rec); // unmatched: nothing happens
    EXPECT_EQ(bitmap.rec->lockCount, 0);

    {
        SaveAndRestoreThePixMapLockStateClass unlocked(GetPortOffscreenBitMap(bitmap.rec), false);
        SaveAndRestoreThePixMapLockStateClass locked(GetPortOffscreenBitMap(bitmap.rec), true);
        EXPECT_NE(GetPixelsState(pixels) & pixelsLocked, 0u);
    }
    EXPECT_EQ(GetPixelsState(pixels), GWorldFlags(pixelsPurgeable));

    CGrafPtr before, port;
    GDHandle beforeDevice, device;
    GetGWorld(&before, &beforeDevice);
    OpenPortOffscreenBitMap(bitmap.rec);
    GetGWorld(&port, &device);
    EXPECT_EQ(port, GetPortOffscreenBitMap(bitmap.rec));
    EXPECT_EQ(device, GetGDeviceOffscreenBitMap(bitmap.rec));
    EXPECT_NE(GetPixelsState(pixels) & pixelsLocked, 0u);
    ClosePortOffscreenBitMap(bitmap.rec);
    GetGWorld(&port, &device);
    EXPECT_EQ(port, before);
    EXPECT_EQ(device, beforeDevice);
    EXPECT_EQ(GetPixelsState(pixels), GWorldFlags(pixelsPurgeable));
}

TEST_F(OffscreenBitMapTest, ClearingPaintsWhiteUnlessTheBackgroundChanged) {
    const Rect place{10, 10, 12, 12};
    OffscreenBitMap bitmap(&place, 5);
    auto firstPixel = [&] {
        return *reinterpret_cast<UInt32*>((*GetPixMapOffscreenBitMap(bitmap.rec))->baseAddr);
    };
    EXPECT_EQ(firstPixel(), 0u); // new pixels
    ClearPortOffscreenBitMap(bitmap.rec);
    EXPECT_EQ(firstPixel(), 0xFFFFFFu);

    OpenPortOffscreenBitMap(bitmap.rec);
    const RGBColor blue{0, 0, 65535};
    RGBBackColor(&blue);
    {
        SaveAndRestoreNonThemeBackgroundClass plain(true);
        RGBColor back;
        GetBackColor(&back);
        EXPECT_EQ(back.blue, 65535);
        EXPECT_EQ(back.red, 65535);
    }
    ClosePortOffscreenBitMap(bitmap.rec);
    ClearPortOffscreenBitMap(bitmap.rec);
    EXPECT_EQ(firstPixel(), 0x0000FFu);

    // Through 8 bits and back, the picture stays.
    ASSERT_EQ(SetColorModeOffscreenBitMap(bitmap.rec, 3, 8), noErr);
    ASSERT_EQ(SetColorModeOffscreenBitMap(bitmap.rec, 5, 8), noErr);
    EXPECT_EQ(firstPixel(), 0x0000FFu);
}
