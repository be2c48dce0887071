#include "MorrowCommon_2/MyAllocateHandleClass.h"
#include "MorrowCommon_2/MyNewPtrClearOrNewPtrSysClear.h"
#include "Platform/MacErrors.h"
#include "Platform/MacMemory.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <string>

TEST(MyAllocateHandleClass, GrowsKeepingContentsAndStateAndNeverShrinks) {
    MyAllocateHandleClass buffer;
    ASSERT_EQ(buffer.SetTheSize(4), noErr);
    std::memcpy(*buffer.handle, "abcd", 4);
    HLock(buffer.handle);
    EXPECT_EQ(buffer.SetTheSize(1000), noErr);
    EXPECT_EQ(std::string(*buffer.handle, 4), "abcd");
    EXPECT_TRUE(HGetState(buffer.handle) & kHandleLockedMask);
    EXPECT_EQ(buffer.capacity, 1000);
    Handle kept = buffer.handle;
    EXPECT_EQ(buffer.SetTheSize(10), noErr);
    EXPECT_EQ(buffer.handle, kept);
    EXPECT_EQ(buffer.capacity, 1000);
    EXPECT_EQ(buffer.size, 10);
    EXPECT_EQ(buffer.SetTheSize(-1), paramErr);
    EXPECT_EQ(buffer.size, 10);
    EXPECT_EQ(buffer.capacity, 1000);
    EXPECT_EQ(GetHandleSize(buffer.handle), 1000);
}

TEST(MyNewPtrClearOrNewPtrSysClear, GivesAZeroFilledBlockOfTheSize) {
    // Dirty memory first, so that a block reused without clearing would show.
    Ptr dirty = NewPtr(64);
    std::memset(dirty, 0xA5, 64);
    DisposePtr(dirty);
    Ptr cleared = MyNewPtrClearOrNewPtrSysClear(64);
    ASSERT_NE(cleared, nullptr);
    EXPECT_EQ(std::count(cleared, cleared + 64, 0), 64);
    DisposePtr(cleared);
}
