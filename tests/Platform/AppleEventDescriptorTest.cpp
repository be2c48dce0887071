#include "Platform/AppleEvents.h"
#include "Platform/MacErrors.h"

#include <cstring>
#include <gtest/gtest.h>

TEST(AppleEventDescriptors, CopyTheirDataAndBecomeNullWhenDisposed) {
    char text[] = "hello";
    AEDesc desc;
    ASSERT_EQ(AECreateDesc(FOUR_CHAR_CODE("TEXT"), text, 5, &desc), noErr);
    text[0] = 'j'; // the descriptor has its own copy
    EXPECT_EQ(desc.descriptorType, FOUR_CHAR_CODE("TEXT"));
    ASSERT_EQ(AEGetDescDataSize(&desc), 5);
    char out[3] = {};
    EXPECT_EQ(AEGetDescData(&desc, out, 3), noErr); // no more than asked for
    EXPECT_EQ(std::string(out, 3), "hel");
    EXPECT_EQ(AEDisposeDesc(&desc), noErr);
    EXPECT_EQ(desc.descriptorType, typeNull);
    EXPECT_EQ(desc.dataHandle, nullptr);
    EXPECT_EQ(AEGetDescDataSize(&desc), 0);
    EXPECT_EQ(AECreateDesc(FOUR_CHAR_CODE("TEXT"), nullptr, 4, &desc), paramErr);
}
