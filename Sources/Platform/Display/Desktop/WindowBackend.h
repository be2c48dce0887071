// The window display: the model painted into one desktop window (X11 or Wayland, through SDL)
// whenever it changed, scaled by a whole factor on dense screens, and the window's mouse and
// keys turned into input through the keyboard conveniences. Closing the window asks the program
// to quit; cut, copy and paste go through the desktop's clipboard.
#pragma once

#include "Display/Backend.h"
#include "Display/Desktop/Glyphs.h"
#include "Display/Desktop/WindowInput.h"
#include "Display/KeyConveniences.h"
#include "Display/RealClock.h"

#include <SDL.h>

#include <deque>
#include <memory>
#include <string>

namespace platform::display::window {

// The model's screen when the display is larger than it needs: a desktop's usual size.
constexpr SInt16 kScreenWidth = 1024, kScreenHeight = 768;

// The scale for a display of the given dots per inch, unless KORVANE_SCALE names one.
int ChooseScale(float dotsPerInch, const char* overridden);

class WindowBackend : public Backend {
  public:
    // Null when no display server answers or the window cannot be made.
    static std::unique_ptr<WindowBackend> Open();
    ~WindowBackend() override;

    std::optional<RawInput> NextInput(UInt32 ticks) override;
    UInt32 Ticks() const override { return clock_.Ticks(); }
    UInt64 Microseconds() const override { return clock_.Microseconds(); }
    void Sleep(UInt32 ticks) override; // paints first, so that a flashed button shows
    Rect ScreenBounds() const override { return screen_; }
    void ModelChanged() override { dirty_ = true; }
    std::optional<std::string> ReadClipboard() const override;
    void WriteClipboard(const std::string& text) override;

  private:
    WindowBackend(SDL_Window* window, SDL_Renderer* renderer, int scale, Rect screen);
    void Paint();
    // Waits at most timeoutMs for an SDL event and translates it.
    void Wait(int timeoutMs);

    SDL_Window* window_;
    SDL_Renderer* renderer_;
    int scale_;
    Rect screen_;
    std::unique_ptr<Glyphs> glyphs_; // its textures go before the renderer
    RealClock clock_;
    WindowInput input_;
    KeyConveniences conveniences_;
    std::deque<RawInput> pending_;
    bool dirty_ = true;
    bool closing_ = false; // the window was closed: the quit that follows is the same one
};

} // namespace platform::display::window
