// The Time Manager: one timer thread serves every task in order of its time. A task's routine
// runs on that thread, as it ran at interrupt time on the original platform.
#include "Platform/Timer.h"

#include "Display/Backend.h"

#include <algorithm>
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <mutex>
#include <optional>
#include <thread>
#include <vector>

namespace {

using platform::display::CurrentBackend;

std::atomic_ref<SInt16> ActiveBits(TMTask* task) {
    return std::atomic_ref<SInt16>(task->qType);
}

class TimeManager {
  public:
    static TimeManager& Shared() {
        CurrentBackend(); // made first, so that it outlives the timer thread
        static TimeManager manager;
        return manager;
    }

    OSErr Insert(TMTask* task) {
        std::lock_guard lock(mutex_);
        if (!Find(task)) queue_.push_back(Entry{task, std::nullopt, true});
        ActiveBits(task).fetch_and(SInt16(~kTMTaskActive));
        if (!thread_.joinable())
            thread_ = std::jthread([this](std::stop_token stop) { Serve(stop); });
        return noErr;
    }

    OSErr Prime(TMTask* task, SInt32 count) {
        std::lock_guard lock(mutex_);
        Entry* entry = Find(task);
        if (!entry) return qErr;
        const UInt64 delay = count >= 0 ? UInt64(count) * 1000 : UInt64(-SInt64(count));
        entry->wake = CurrentBackend().Microseconds() + delay;
        entry->inMilliseconds = count >= 0;
        ActiveBits(task).fetch_or(kTMTaskActive);
        Changed();
        return noErr;
    }

    OSErr Remove(TMTask* task) {
        std::unique_lock lock(mutex_);
        Entry* entry = Find(task);
        if (!entry) return qErr;
        if (entry->wake) {
            const UInt64 now = CurrentBackend().Microseconds();
            const UInt64 left = *entry->wake > now ? *entry->wake - now : 0;
            task->tmCount = entry->inMilliseconds ? SInt32(left / 1000) : -SInt32(left);
        }
        std::erase_if(queue_, [&](const Entry& e) { return e.task == task; });
        ActiveBits(task).fetch_and(SInt16(~kTMTaskActive));
        ActiveBits(task).notify_all();
        Changed();
        if (std::this_thread::get_id() != thread_.get_id())
            changed_.wait(lock, [&] { return firing_ != task; });
        return noErr;
    }

  private:
    struct Entry {
        TMTask* task;
        std::optional<UInt64> wake; // microseconds on the backend's clock while primed
        bool inMilliseconds = true;
    };

    Entry* Find(TMTask* task) {
        auto found = std::find_if(queue_.begin(), queue_.end(),
                                  [&](const Entry& e) { return e.task == task; });
        return found == queue_.end() ? nullptr : &*found;
    }

    Entry* Earliest() {
        Entry* earliest = nullptr;
        for (Entry& entry : queue_)
            if (entry.wake && (!earliest || *entry.wake < *earliest->wake)) earliest = &entry;
        return earliest;
    }

    void Changed() {
        ++generation_;
        changed_.notify_all();
    }

    void Serve(std::stop_token stop) {
        std::unique_lock lock(mutex_);
        while (!stop.stop_requested()) {
            Entry* next = Earliest();
            const UInt64 seen = generation_;
            auto again = [&] { return generation_ != seen; };
            if (!next) {
                changed_.wait(lock, stop, again);
                continue;
            }
            platform::display::Backend& clock = CurrentBackend();
            const UInt64 now = clock.Microseconds();
            if (now >= *next->wake)
                Fire(*next, lock);
            else if (clock.ClockIsVirtual())
                clock.AdvanceClockTo(*next->wake);
            else
                changed_.wait_for(lock, stop, std::chrono::microseconds(*next->wake - now), again);
        }
    }

    // The routine runs unlocked, so that it may prime its task again.
    void Fire(Entry& entry, std::unique_lock<std::mutex>& lock) {
        TMTask* task = entry.task;
        entry.wake.reset();
        firing_ = task;
        ActiveBits(task).fetch_and(SInt16(~kTMTaskActive));
        ActiveBits(task).notify_all();
        const TimerUPP routine = task->tmAddr;
        lock.unlock();
        if (routine) routine(task);
        lock.lock();
        firing_ = nullptr;
        changed_.notify_all();
    }

    std::mutex mutex_;
    std::condition_variable_any changed_;
    std::vector<Entry> queue_;
    UInt64 generation_ = 0;
    TMTask* firing_ = nullptr;
    std::jthread thread_; // last, so that it stops before the rest goes
};

TMTask* TaskOf(QElemPtr element) {
    return reinterpret_cast<TMTask*>(element);
}

} // namespace

OSErr InsTime(QElemPtr tmTaskPtr) {
    return tmTaskPtr ? TimeManager::Shared().Insert(TaskOf(tmTaskPtr)) : qErr;
}

OSErr PrimeTime(QElemPtr tmTaskPtr, SInt32 count) {
    return tmTaskPtr ? TimeManager::Shared().Prime(TaskOf(tmTaskPtr), count) : qErr;
}

OSErr RmvTime(QElemPtr tmTaskPtr) {
    return tmTaskPtr ? TimeManager::Shared().Remove(TaskOf(tmTaskPtr)) : qErr;
}
