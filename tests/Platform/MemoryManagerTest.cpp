#include "Platform/MacErrors.h"
#include "Platform/MacMemory.h"

#include <cstring>
#include <gtest/gtest.h>

TEST(MemoryManager, PointersAreSizedAndClearedWhenAsked) {
    Ptr p = NewPtrClear(64);
    ASSERT_NE(p, nullptr);
    EXPECT_EQ(MemError(), noErr);
    for (int i = 0; i < 64; ++i)
        EXPECT_EQ(p[i], 0);
    DisposePtr(p);
    DisposePtr(nullptr);

    // Blocks as big as an entry list, mapped apart: each is whole and cleared, also where the
    // one disposed before it was written.
    for (int round = 0; round < 3; ++round) {
        const Size big = (Size(4) << 20) - round;
        Ptr block = NewPtrClear(big);
        ASSERT_NE(block, nullptr);
        EXPECT_EQ(block[0] | block[big / 2] | block[big - 1], 0);
        std::memset(block, 0x5A, size_t(big));
        DisposePtr(block);
    }

    EXPECT_EQ(NewPtr(-1), nullptr);
    EXPECT_EQ(MemError(), memFullErr);
}

TEST(MemoryManager, HandlesKeepTheirContentWhenTheyGrowAndShrink) {
    Handle h = NewHandleClear(4);
    ASSERT_NE(h, nullptr);
    std::memcpy(*h, "abcd", 4);
    SetHandleSize(h, 4096);
    EXPECT_EQ(MemError(), noErr);
    EXPECT_EQ(GetHandleSize(h), 4096);
    EXPECT_EQ(std::memcmp(*h, "abcd", 4), 0);
    SetHandleSize(h, 2);
    EXPECT_EQ(GetHandleSize(h), 2);
    EXPECT_EQ(std::memcmp(*h, "ab", 2), 0);
    DisposeHandle(h);

    Handle empty = NewHandle(0);
    ASSERT_NE(empty, nullptr);
    EXPECT_EQ(GetHandleSize(empty), 0);
    DisposeHandle(empty);
}

TEST(MemoryManager, LockedHandlesDoNotMoveAndStateRoundTrips) {
    Handle h = NewHandle(8);
    EXPECT_EQ(HGetState(h) & kHandleLockedMask, 0);
    HLock(h);
    SInt8 locked = HGetState(h);
    EXPECT_NE(locked & kHandleLockedMask, 0);
    Ptr before = *h;
    SetHandleSize(h, 1 << 20); // cannot grow where it lies
    EXPECT_EQ(MemError(), memFullErr);
    EXPECT_EQ(*h, before);
    EXPECT_EQ(GetHandleSize(h), 8);
    SetHandleSize(h, 4); // shrinking in place is fine
    EXPECT_EQ(MemError(), noErr);
    HUnlock(h);
    EXPECT_EQ(HGetState(h) & kHandleLockedMask, 0);
    HSetState(h, locked);
    EXPECT_NE(HGetState(h) & kHandleLockedMask, 0);
    DisposeHandle(h);

    EXPECT_EQ(GetHandleSize(nullptr), 0);
    EXPECT_EQ(MemError(), nilHandleErr);
}

TEST(MemoryManager, PtrToHandCopiesAndBlockMoveHandlesOverlap) {
    Handle h = nullptr;
    ASSERT_EQ(PtrToHand("hello", &h, 5), noErr);
    EXPECT_EQ(GetHandleSize(h), 5);
    EXPECT_EQ(std::memcmp(*h, "hello", 5), 0);
    DisposeHandle(h);

    char text[] = "abcdef";
    BlockMoveData(text, text + 2, 4);
    EXPECT_STREQ(text, "ababcd");
}
