// Graphics worlds: their pixels, colours and updates.
#include "Platform/MacErrors.h"
#include "Platform/QDOffscreen.h"
#include "QuickDraw/Pixels.h"

#include "Platform/PlatformTesting.h"

#include <gtest/gtest.h>

namespace {

const RGBColor kRed{65535, 0, 0}, kWhite{65535, 65535, 65535}, kBlack{0, 0, 0};

struct World {
    World(SInt16 depth, Rect bounds) {
        EXPECT_EQ(NewGWorld(&port, depth, &bounds, nullptr, nullptr, 0), noErr);
    }
    ~World() { DisposeGWorld(port); }
    PixMap& Map() const { return **GetGWorldPixMap(port); }
    // The colour of a pixel given in local coordinates.
    RGBColor At(SInt16 h, SInt16 v) const {
        const PixMap& map = Map();
        const platform::quickdraw::Pixels pixels(map);
        return pixels.ToColor(pixels.Get(h - map.bounds.left, v - map.bounds.top));
    }
    void Paint(const RGBColor& colour, Rect area) const {
        CGrafPtr saved;
        GDHandle device;
        GetGWorld(&saved, &device);
        SetGWorld(port, nullptr);
        RGBBackColor(&colour);
        EraseRect(&area);
        SetGWorld(saved, device);
    }
    GWorldPtr port = nullptr;
};

bool Same(const RGBColor& a, const RGBColor& b) {
    return a.red == b.red && a.green == b.green && a.blue == b.blue;
}

// 8-bit worlds take the standard colours from the bundle's system file.
class GraphicsWorldTest : public testing::Test {
    PlatformScopedMainBundle bundle_{KORVANE_BUILD_BUNDLE};
};

} // namespace

TEST_F(GraphicsWorldTest, MadeWithTheDepthsBoundsTablesAndDeviceAsked) {
    struct Case {
        SInt16 depth, pixelSize, rowBytes, tableEntries;
    } cases[] = {{0, 32, 40, 0}, {1, 1, 4, 2}, {8, 8, 12, 256}, {16, 16, 20, 0}};
    for (const Case& c : cases) {
        World world(c.depth, Rect{5, 10, 25, 20}); // 10 by 20 at (10, 5)
        const PixMap& map = world.Map();
        EXPECT_EQ(map.pixelSize, c.pixelSize) << c.depth;
        EXPECT_EQ(map.rowBytes, SInt16(c.rowBytes | kPixMapFlag)) << c.depth;
        EXPECT_TRUE(EqualRect(&map.bounds, &(*GetGWorldDevice(world.port))->gdRect));
        EXPECT_EQ(map.pmTable ? (*map.pmTable)->ctSize + 1 : 0, c.tableEntries) << c.depth;
        Rect bounds;
        GetPortBounds(world.port, &bounds);
        EXPECT_EQ(bounds.left, 10);
        EXPECT_EQ(bounds.bottom, 25);
    }
    GWorldPtr none = nullptr;
    Rect empty{0, 0, 0, 10}, some{0, 0, 10, 10};
    EXPECT_EQ(NewGWorld(&none, 8, &empty, nullptr, nullptr, 0), paramErr);
    Rect wrapping{0, -32767, 1, 32767}; // wider than 16 bits can say
    EXPECT_EQ(NewGWorld(&none, 1, &wrapping, nullptr, nullptr, 0), paramErr);
    EXPECT_EQ(NewGWorld(&none, 4, &some, nullptr, nullptr, 0), cDepthErr);
    EXPECT_EQ(QDError(), cDepthErr);
    EXPECT_EQ(none, nullptr);
}

TEST_F(GraphicsWorldTest, ErasePaintsTheBackgroundInsideThePortAndClip) {
    World world(32, Rect{0, 0, 10, 10});
    world.Paint(kRed, Rect{-5, -5, 4, 4}); // reaches outside the port
    EXPECT_TRUE(Same(world.At(0, 0), kRed));
    EXPECT_TRUE(Same(world.At(3, 3), kRed));
    EXPECT_TRUE(Same(world.At(4, 4), kBlack)); // new 32-bit pixels are zero

    RgnHandle clip = NewRgn();
    Rect half{0, 0, 10, 5};
    RectRgn(clip, &half);
    SetPortClipRegion(world.port, clip);
    world.Paint(kWhite, Rect{0, 0, 10, 10});
    EXPECT_TRUE(Same(world.At(4, 9), kWhite));
    EXPECT_TRUE(Same(world.At(5, 9), kBlack));
    DisposeRgn(clip);
}

TEST_F(GraphicsWorldTest, UpdateKeepsThePictureAndSaysWhatChanged) {
    World world(32, Rect{0, 0, 4, 4});
    world.Paint(kRed, Rect{0, 0, 1, 1});
    Rect moved{100, 50, 104, 54};
    EXPECT_EQ(UpdateGWorld(&world.port, 32, &moved, nullptr, nullptr, 0), 0u);
    EXPECT_TRUE(Same(world.At(50, 100), kRed));

    Rect larger{0, 0, 8, 8};
    GWorldFlags flags = UpdateGWorld(&world.port, 8, &larger, nullptr, nullptr, 0);
    EXPECT_EQ(flags, GWorldFlags(newDepth | newRowBytes | reallocPix));
    EXPECT_EQ(world.Map().pixelSize, 8);
    EXPECT_TRUE(Same(world.At(0, 0), kRed));
    EXPECT_TRUE(Same(world.At(1, 1), kBlack)); // kept from the old picture
    EXPECT_TRUE(Same(world.At(5, 5), kWhite)); // new, outside it
    Rect doubled{0, 0, 16, 16};
    UpdateGWorld(&world.port, 8, &doubled, nullptr, nullptr, stretchPix);
    EXPECT_TRUE(Same(world.At(1, 1), kRed));
    EXPECT_TRUE(Same(world.At(2, 2), kBlack));
    Rect bad{0, 0, 8, 8};
    EXPECT_EQ(UpdateGWorld(&world.port, 3, &bad, nullptr, nullptr, 0), gwFlagErr);
    EXPECT_EQ(QDError(), cDepthErr);
    EXPECT_EQ(world.Map().pixelSize, 8);
}
