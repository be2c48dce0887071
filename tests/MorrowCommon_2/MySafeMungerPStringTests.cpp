#include "MorrowCommon_2/MySafeMungerPString.h"
#include "Platform/MacMemory.h"
#include "TestSupport/PString.h"

#include <gtest/gtest.h>

namespace {

// A handle holding exactly the string, length byte included.
struct StringHandle {
    Handle h;
    explicit StringHandle(std::string_view text) {
        PString s(text);
        PtrToHand(s.bytes, &h, s.bytes[0] + 1);
    }
    ~StringHandle() { DisposeHandle(h); }
    std::string text() const { return TextOf(reinterpret_cast<ConstStr255Param>(*h)); }
};

} // namespace

TEST(MySafeMungerPString, LongerReplaceGrowsTheBlock) {
    StringHandle s("Help for ^0");
    EXPECT_EQ(MySafeMungerPString(s.h, PString("^0"), PString("Setup")), 10);
    EXPECT_EQ(s.text(), "Help for Setup");
    EXPECT_GE(GetHandleSize(s.h), 15);
    EXPECT_EQ(HGetState(s.h) & kHandleLockedMask, 0);

    StringHandle middle("a^0b^0c");
    HLock(middle.h); // a locked block is still grown, and stays locked
    EXPECT_EQ(MySafeMungerPString(middle.h, PString("^0"), PString("XYZ")), 2);
    EXPECT_EQ(middle.text(), "aXYZb^0c");
    EXPECT_NE(HGetState(middle.h) & kHandleLockedMask, 0);

    StringHandle front("text");
    EXPECT_EQ(MySafeMungerPString(front.h, PString(""), PString(">> ")), 1);
    EXPECT_EQ(front.text(), ">> text");
}

TEST(MySafeMungerPString, AbsentSearchChangesNothing) {
    StringHandle s("Help for ^0");
    HLock(s.h);
    const SInt8 state = HGetState(s.h);
    EXPECT_EQ(MySafeMungerPString(s.h, PString("^1"), PString("Setup")), -1);
    EXPECT_EQ(s.text(), "Help for ^0");
    EXPECT_EQ(GetHandleSize(s.h), 12);
    EXPECT_EQ(HGetState(s.h), state);

    // A search that would only match past the end of the text is absent too.
    EXPECT_EQ(MySafeMungerPString(s.h, PString("^0x"), PString("")), -1);
}

TEST(MySafeMungerPString, ShorterOrEqualReplaceKeepsTheBlockSize) {
    StringHandle s("one TWO three");
    EXPECT_EQ(MySafeMungerPString(s.h, PString("TWO"), PString("2")), 5);
    EXPECT_EQ(s.text(), "one 2 three");
    EXPECT_EQ(GetHandleSize(s.h), 14);

    EXPECT_EQ(MySafeMungerPString(s.h, PString("three"), PString("THREE")), 7);
    EXPECT_EQ(s.text(), "one 2 THREE");

    EXPECT_EQ(MySafeMungerPString(s.h, PString("one "), PString("")), 1);
    EXPECT_EQ(s.text(), "2 THREE");
}

TEST(MySafeMungerPString, RefusesResultsOver255AndUnusableHandles) {
    StringHandle s(std::string(250, 'a') + "^0");
    EXPECT_EQ(MySafeMungerPString(s.h, PString("^0"), PString("12345")), 251);
    EXPECT_EQ(s.text(), std::string(250, 'a') + "12345");
    StringHandle full(std::string(250, 'a') + "^0");
    EXPECT_EQ(MySafeMungerPString(full.h, PString("^0"), PString("123456")), -1);
    EXPECT_EQ(full.text(), std::string(250, 'a') + "^0");
    EXPECT_EQ(GetHandleSize(full.h), 253);

    EXPECT_EQ(MySafeMungerPString(nullptr, PString(""), PString("x")), -1);
    StringHandle truncated("abcdef");
    SetHandleSize(truncated.h, 3); // the length byte claims more than the block holds
    EXPECT_EQ(MySafeMungerPString(truncated.h, PString("a"), PString("b")), -1);
}
