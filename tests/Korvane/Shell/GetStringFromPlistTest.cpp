#include "Korvane/Shell/GetStringFromPlist.h"

#include "Platform/PlatformTesting.h"
#include "TestSupport/PString.h"

#include <cstring>
#include <gtest/gtest.h>
#include <string>

TEST(GetStringFromPlist, PascalValuesAndMissingKeys) {
    PlatformScopedMainBundle bundle(KORVANE_BUILD_BUNDLE);
    Str255 value;
    getPStringFromPlist(value, CFSTR("Preferences File Name"));
    EXPECT_EQ(TextOf(value), "Korvane Preferences");
    getPStringFromPlist(value, CFSTR("OEM Name"));
    EXPECT_EQ(TextOf(value), "Korvane");
    getPStringFromPlist(value, CFSTR("No Such Key"));
    EXPECT_EQ(value[0], 0);
    getPStringFromPlist(nullptr, CFSTR("OEM Name"));
}
