// The scopes that make a graphics world current and draw black on white in it.
#include "MorrowCommon_2/SaveAndRestoreNonThemeBackgroundClass.h"
#include "MorrowCommon_2/SaveAndRestoreTheGWorldClass.h"
#include "MorrowCommon_2/SetBlackOnWhite.h"
#include "Platform/MacErrors.h"

#include <gtest/gtest.h>

#include <tuple>

namespace {

struct World {
    World() {
        Rect bounds{0, 0, 4, 4};
        EXPECT_EQ(NewGWorld(&port, 32, &bounds, nullptr, nullptr, 0), noErr);
    }
    ~World() { DisposeGWorld(port); }
    GWorldPtr port = nullptr;
};

using Colour = std::tuple<UInt16, UInt16, UInt16>;

// The port's foreground or background colour, by its getter.
Colour Current(void (*get)(RGBColor*)) {
    RGBColor colour;
    get(&colour);
    return {colour.red, colour.green, colour.blue};
}

const RGBColor kRed{65535, 0, 0}, kBlue{0, 0, 65535};
const Colour kBlack{0, 0, 0}, kWhite{65535, 65535, 65535};

} // namespace

TEST(SaveAndRestoreTheGWorldClass, TheWorldAndItsDeviceAreCurrentForTheScope) {
    World outer, inner;
    CGrafPtr savedPort;
    GDHandle savedDevice;
    GetGWorld(&savedPort, &savedDevice);
    SetGWorld(outer.port, nullptr);
    {
        SaveAndRestoreTheGWorldClass scope(inner.port);
        CGrafPtr port;
        GDHandle device;
        GetGWorld(&port, &device);
        EXPECT_EQ(port, inner.port);
        EXPECT_EQ(device, GetGWorldDevice(inner.port));
    }
    CGrafPtr port;
    GDHandle device;
    GetGWorld(&port, &device);
    EXPECT_EQ(port, outer.port);
    EXPECT_EQ(device, GetGWorldDevice(outer.port));
    SetGWorld(savedPort, savedDevice);
}

TEST(SaveAndRestoreNonThemeBackgroundClass, BlackOnWhiteForTheScopeOnlyWhenActive) {
    World world;
    SaveAndRestoreTheGWorldClass current(world.port);
    RGBForeColor(&kRed);
    RGBBackColor(&kBlue);
    SetBlackOnWhite();
    EXPECT_EQ(Current(GetForeColor), kBlack);
    EXPECT_EQ(Current(GetBackColor), kWhite);

    RGBForeColor(&kRed);
    RGBBackColor(&kBlue);
    {
        SaveAndRestoreNonThemeBackgroundClass plain(true);
        EXPECT_EQ(Current(GetForeColor), kBlack);
        EXPECT_EQ(Current(GetBackColor), kWhite);
    }
    EXPECT_EQ(Current(GetForeColor), Colour(65535, 0, 0));
    EXPECT_EQ(Current(GetBackColor), Colour(0, 0, 65535));
    {
        SaveAndRestoreNonThemeBackgroundClass inactive(false);
        EXPECT_EQ(Current(GetForeColor), Colour(65535, 0, 0));
        RGBBackColor(&kRed);
    }
    EXPECT_EQ(Current(GetBackColor), Colour(65535, 0, 0)); // an inactive scope puts nothing back
}
