#include "Korvane/Shell/GetStringFromPlist.h"

#include "Platform/PlatformTesting.h"

#include <cstring>
#include <gtest/gtest.h>
#include <string>

namespace {

std::string Text(const Str255 pascal) {
    return std::string(reinterpret_cast<const char*>(pascal + 1), pascal[0]);
}

} // namespace

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
    EXPECT_EQ(Text(value), "Korvane Preferences");
    getPStringFromPlist(value, CFSTR("OEM Name"));
    EXPECT_EQ(Text(value), "Korvane");
    getPStringFromPlist(value, CFSTR("No Such Key"));
    EXPECT_EQ(value[0], 0);
    getPStringFromPlist(nullptr, CFSTR("OEM Name"));
}
