#include "Display/Backend.h"

#include <chrono>
#include <thread>

namespace platform::display {

namespace {

// No display at all: nothing happens but time passing.
class QuietBackend : public Backend {
  public:
    std::optional<RawInput> NextInput(UInt32 ticks) override {
        Sleep(std::min<UInt32>(ticks, 1));
        return std::nullopt;
    }
    UInt32 Ticks() const override { return UInt32(Microseconds() * 60 / 1000000); }
    UInt64 Microseconds() const override {
        auto elapsed = std::chrono::steady_clock::now() - start_;
        return UInt64(std::chrono::duration_cast<std::chrono::microseconds>(elapsed).count());
    }
    void Sleep(UInt32 ticks) override {
        std::this_thread::sleep_for(std::chrono::milliseconds(ticks * 1000 / 60));
    }
    Rect ScreenBounds() const override { return Rect{0, 0, 768, 1024}; }

  private:
    std::chrono::steady_clock::time_point start_ = std::chrono::steady_clock::now();
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
