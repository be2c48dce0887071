#include "Display/Backend.h"

#include "Display/RealClock.h"

#include <algorithm>

namespace platform::display {

namespace {

// No display at all: nothing happens but time passing.
class QuietBackend : public Backend {
  public:
    std::optional<RawInput> NextInput(UInt32 ticks) override {
        Sleep(std::min<UInt32>(ticks, 1));
        return std::nullopt;
    }
    UInt32 Ticks() const override { return clock_.Ticks(); }
    UInt64 Microseconds() const override { return clock_.Microseconds(); }
    void Sleep(UInt32 ticks) override { RealClock::Sleep(ticks); }
    Rect ScreenBounds() const override { return Rect{0, 0, 768, 1024}; }

  private:
    RealClock clock_;
};

std::unique_ptr<Backend>& Installed() {
    static std::unique_ptr<Backend> backend = std::make_unique<QuietBackend>();
    return backend;
}

} // namespace

Backend& CurrentBackend() {
    return *Installed();
}

void InstallBackend(std::unique_ptr<Backend> backend) {
    Installed() = backend ? std::move(backend) : std::make_unique<QuietBackend>();
}

} // namespace platform::display
