#include "MorrowCommon_2/DelayMilliSecond.h"
#include "Platform/Events.h"
#include "TestSupport/HeadlessDriver.h"

#include <gtest/gtest.h>

// On the headless display's virtual clock the wait is exact, and takes no real time.
TEST(DelayMilliSecond, WaitsOnTheTimeManagersClockAndNeverBackwards) {
    testsupport::HeadlessDriver display;
    const UInt32 start = TickCount();
    DelayMilliSecond(1000);
    EXPECT_EQ(TickCount() - start, 60u);
    DelayMilliSecond(50); // three ticks are 50 milliseconds
    EXPECT_EQ(TickCount() - start, 63u);
    DelayMilliSecond(-5);
    DelayMilliSecond(0);
    EXPECT_EQ(TickCount() - start, 63u);
}
