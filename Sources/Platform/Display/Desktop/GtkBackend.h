// The window display: the model's windows as the desktop's own windows and widgets (GTK 4, on
// X11 or Wayland), with the desktop's theme, fonts, scale, input methods, file chooser and
// screen reader. The widgets are brought in step with the model whenever the program waits
// after a change; what the person does with them reaches the program as input. A signal to end
// asks the program to quit.
#pragma once

#include "Display/Backend.h"
#include "Display/Desktop/ModelInput.h"
#include "Display/Desktop/WindowSet.h"
#include "Display/RealClock.h"

#include <memory>

namespace platform::display::gtk {

class GtkBackend : public Backend {
  public:
    // Null when no display server answers.
    static std::unique_ptr<GtkBackend> Open();
    ~GtkBackend() override;

    std::optional<RawInput> NextInput(UInt32 ticks) override;
    UInt32 Ticks() const override { return clock_.Ticks(); }
    UInt64 Microseconds() const override { return clock_.Microseconds(); }
    // Shows the model first and keeps the window drawing, so that a flashed button shows.
    void Sleep(UInt32 ticks) override;
    Rect ScreenBounds() const override { return Rect{0, 0, 768, 1024}; }
    void ModelChanged() override { dirty_ = true; }
    std::optional<std::string> ReadClipboard() const override;
    void WriteClipboard(const std::string& text) override;

  private:
    GtkBackend();
    void Show();

    RealClock clock_;
    ModelInput input_;
    std::unique_ptr<WindowSet> windows_;
    std::vector<guint> signalSources_;
    bool dirty_ = true;
};

} // namespace platform::display::gtk
