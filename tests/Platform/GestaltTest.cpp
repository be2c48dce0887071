#include "Platform/Gestalt.h"
#include "Platform/MacErrors.h"

#include <cstdio>
#include <gtest/gtest.h>
#include <sys/utsname.h>

TEST(Gestalt, SystemVersionIsTheKernels) {
    utsname names{};
    ASSERT_EQ(uname(&names), 0);
    int major = 0, minor = 0, patch = 0;
    std::sscanf(names.release, "%d.%d.%d", &major, &minor, &patch);
    SInt32 response = -1;
    ASSERT_EQ(Gestalt(gestaltSystemVersionMajor, &response), noErr);
    EXPECT_EQ(response, major);
    ASSERT_EQ(Gestalt(gestaltSystemVersionMinor, &response), noErr);
    EXPECT_EQ(response, minor);
    ASSERT_EQ(Gestalt(gestaltSystemVersionBugFix, &response), noErr);
    EXPECT_EQ(response, patch);
}

TEST(Gestalt, AttributesAndUnknownSelectors) {
    SInt32 response = 0;
    ASSERT_EQ(Gestalt(FOUR_CHAR_CODE("appr"), &response), noErr);
    EXPECT_TRUE(response & (1 << gestaltAppearanceExists));
    ASSERT_EQ(Gestalt(FOUR_CHAR_CODE("ditl"), &response), noErr);
    EXPECT_TRUE(response & (1 << gestaltDITLExtPresent));
    response = 77;
    EXPECT_EQ(Gestalt(FOUR_CHAR_CODE("none"), &response), gestaltUndefSelectorErr);
    EXPECT_EQ(response, 77);
    EXPECT_EQ(Gestalt(gestaltSystemVersionMajor, nullptr), paramErr);
}
