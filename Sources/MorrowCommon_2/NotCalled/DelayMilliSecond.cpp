#include "MorrowCommon_2/DelayMilliSecond.h"

#include "Platform/Timer.h"

#include <algorithm>
#include <atomic>

// The task's active bit is cleared by the timer thread; the wait sleeps until it changes.
void DelayMilliSecond(SInt32 ms) {
    TMTask task{};
    auto* element = reinterpret_cast<QElemPtr>(&task);
    if (InsTime(element) != noErr) return;
    if (PrimeTime(element, std::max<SInt32>(ms, 0)) == noErr) {
        std::atomic_ref<SInt16> type(task.qType);
        for (SInt16 seen = type.load(); seen & kTMTaskActive; seen = type.load())
            type.wait(seen);
    }
    RmvTime(element);
}
