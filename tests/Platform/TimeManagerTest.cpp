// The Time Manager on the real clock and on the headless display's virtual clock.
#include "Platform/Events.h"
#include "Platform/Timer.h"
#include "TestSupport/HeadlessDriver.h"

#include <gtest/gtest.h>

#include <atomic>

namespace {

struct CountedTask {
    TMTask task{};
    std::atomic<int> calls = 0;
    int rearm = 0; // times the routine primes its task again
    QElemPtr Element() { return reinterpret_cast<QElemPtr>(&task); }
    // The timer thread writes the bit, so it is read as the platform writes it.
    bool Active() { return std::atomic_ref<SInt16>(task.qType).load() & kTMTaskActive; }
    void WaitWhileActive() {
        std::atomic_ref<SInt16> type(task.qType);
        for (SInt16 seen = type.load(); seen & kTMTaskActive; seen = type.load())
            type.wait(seen);
    }
};

void Count(TMTaskPtr task) {
    auto* counted = reinterpret_cast<CountedTask*>(task);
    ++counted->calls;
    if (counted->rearm-- > 0) PrimeTime(counted->Element(), 1);
}

} // namespace

TEST(TimeManagerTest, RemovedBeforeItsTimeItNeverRunsAndTellsWhatWasLeft) {
    CountedTask counted;
    counted.task.tmAddr = Count;
    InsTime(counted.Element());
    PrimeTime(counted.Element(), 60000);
    EXPECT_EQ(RmvTime(counted.Element()), noErr);
    EXPECT_FALSE(counted.Active());
    EXPECT_GT(counted.task.tmCount, 50000);
    EXPECT_LE(counted.task.tmCount, 60000);
    EXPECT_EQ(counted.calls, 0);
    // Microseconds are given and told back as negative counts.
    InsTime(counted.Element());
    PrimeTime(counted.Element(), -60000000);
    RmvTime(counted.Element());
    EXPECT_LT(counted.task.tmCount, -50000000);
}

TEST(TimeManagerTest, ARoutineMayPrimeItsTaskAgain) {
    CountedTask counted;
    counted.task.tmAddr = Count;
    counted.rearm = 2;
    InsTime(counted.Element());
    PrimeTime(counted.Element(), 1);
    while (counted.calls < 3)
        counted.WaitWhileActive();
    RmvTime(counted.Element());
    EXPECT_EQ(counted.calls, 3);
}

TEST(TimeManagerTest, AWaitingTaskMovesTheVirtualClockOn) {
    testsupport::HeadlessDriver display;
    const UInt32 start = TickCount();
    CountedTask counted;
    InsTime(counted.Element());
    PrimeTime(counted.Element(), 500); // 30 ticks
    counted.WaitWhileActive();
    RmvTime(counted.Element());
    EXPECT_EQ(TickCount() - start, 30u);
}
