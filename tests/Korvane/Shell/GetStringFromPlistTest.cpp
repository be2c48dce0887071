#include "Korvane/Shell/GetStringFromPlist.h"

#include "Platform/PlatformTesting.h"
#include "TestSupport/PString.h"

#include <cstring>
#include <gtest/gtest.h>
#include <string>

TEST(GetStringFromPlist, ValuesOfTheBuildBundle) {
    PlatformScopedMainBundle bundle(KORVANE_BUILD_BUNDLE);
    char buffer[64];
    ASSERT_TRUE(getStringFromPlist(buffer, sizeof buffer, CFSTR("Japrefs File Name"),
                                   kCFStringEncodingUTF8));
    EXPECT_STREQ(buffer, "JobAccounting");

    std::memset(buffer, '#', sizeof buffer);
    EXPECT_FALSE(getStringFromPlist(buffer, 13, CFSTR("Japrefs File Name"), kCFStringEncodingUTF8));
    EXPECT_FALSE(getStringFromPlist(buffer, sizeof buffer, CFSTR("No Such Key"), 0x08000100));
    EXPECT_EQ(buffer[0], '#');
    EXPECT_TRUE(getStringFromPlist(buffer, 14, CFSTR("Japrefs File Name"), kCFStringEncodingUTF8));
    EXPECT_FALSE(getStringFromPlist(nullptr, 64, CFSTR("OEM Name"), kCFStringEncodingUTF8));
}

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
