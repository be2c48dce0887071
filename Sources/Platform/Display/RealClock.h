// The clock of backends that serve people: real time since the backend started.
#pragma once

#include "Platform/MacTypes.h"

#include <chrono>
#include <thread>

namespace platform::display {

class RealClock {
  public:
    UInt64 Microseconds() const {
        auto elapsed = std::chrono::steady_clock::now() - start_;
        return UInt64(std::chrono::duration_cast<std::chrono::microseconds>(elapsed).count());
    }
    UInt32 Ticks() const { return UInt32(Microseconds() * 60 / 1000000); }
    static void Sleep(UInt32 ticks) {
        std::this_thread::sleep_for(std::chrono::microseconds(UInt64(ticks) * 1000000 / 60));
    }

  private:
    std::chrono::steady_clock::time_point start_ = std::chrono::steady_clock::now();
};

} // namespace platform::display
