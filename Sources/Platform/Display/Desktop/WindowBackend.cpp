#include "Display/Desktop/WindowBackend.h"

#include "Display/Desktop/DesktopPainters.h"
#include "Display/ModelView.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace platform::display::window {

namespace {

// Where both servers are named, SDL's own choice (X11) stands.
void ChooseVideoDriver() {
    if (std::getenv("SDL_VIDEODRIVER")) return;
    const char* x11 = std::getenv("DISPLAY");
    SDL_SetHint(SDL_HINT_VIDEODRIVER, x11 && *x11 ? "x11" : "wayland");
}

// The desktop's line breaks are LF; the program's are CR.
std::string WithBreaks(std::string text, char from, char to) {
    if (from == '\n') std::erase(text, '\r');
    std::replace(text.begin(), text.end(), from, to);
    return text;
}

} // namespace

int ChooseScale(float dotsPerInch, const char* overridden) {
    if (overridden && *overridden) return std::clamp(std::atoi(overridden), 1, 8);
    return std::clamp(int(std::lround(dotsPerInch / 96)), 1, 4);
}

std::unique_ptr<WindowBackend> WindowBackend::Open() {
    ChooseVideoDriver();
    if (SDL_Init(SDL_INIT_VIDEO) != 0) return nullptr;
    float dotsPerInch = 96;
    SDL_GetDisplayDPI(0, &dotsPerInch, nullptr, nullptr);
    int scale = ChooseScale(dotsPerInch, std::getenv("KORVANE_SCALE"));
    SDL_Rect usable{0, 0, kScreenWidth, kScreenHeight};
    SDL_GetDisplayUsableBounds(0, &usable);
    // A smaller display gets a smaller screen, and a scale that leaves room for the window.
    while (scale > 1 && usable.w < 640 * scale)
        --scale;
    const Rect screen{0, 0, SInt16(std::clamp(usable.h / scale - 48, 480, int(kScreenHeight))),
                      SInt16(std::clamp(usable.w / scale, 640, int(kScreenWidth)))};
    SDL_Window* window =
        SDL_CreateWindow("Korvane", SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED,
                         screen.right * scale, screen.bottom * scale, SDL_WINDOW_SHOWN);
    SDL_Renderer* renderer = window ? SDL_CreateRenderer(window, -1, 0) : nullptr;
    if (!renderer) {
        if (window) SDL_DestroyWindow(window);
        SDL_Quit();
        return nullptr;
    }
    std::unique_ptr<WindowBackend> backend(new WindowBackend(window, renderer, scale, screen));
    if (!backend->glyphs_->Ready()) return nullptr;
    return backend;
}

WindowBackend::WindowBackend(SDL_Window* window, SDL_Renderer* renderer, int scale, Rect screen)
    : window_(window), renderer_(renderer), scale_(scale), screen_(screen),
      glyphs_(std::make_unique<Glyphs>(renderer, scale)), input_(scale) {
    SDL_RenderSetScale(renderer_, float(scale_), float(scale_));
    SDL_StartTextInput();
}

WindowBackend::~WindowBackend() {
    glyphs_.reset();
    SDL_DestroyRenderer(renderer_);
    SDL_DestroyWindow(window_);
    SDL_Quit();
}

void WindowBackend::Paint() {
    dirty_ = false;
    Canvas canvas(renderer_, *glyphs_);
    PaintScreen(canvas, TakeSnapshot(), conveniences_.Focus(), screen_);
    SDL_RenderPresent(renderer_);
}

void WindowBackend::Sleep(UInt32 ticks) {
    if (dirty_) Paint();
    RealClock::Sleep(ticks);
}

// The model is painted only when the program is ready to wait, and only when it changed (the
// program's answer to an input counts as a change).
std::optional<RawInput> WindowBackend::NextInput(UInt32 ticks) {
    if (pending_.empty()) {
        const UInt64 deadline = clock_.Microseconds() + UInt64(ticks) * 1000000 / 60;
        for (;;) {
            if (dirty_ && ticks > 0) Paint();
            const UInt64 now = clock_.Microseconds();
            Wait(int(now >= deadline ? 0 : std::min<UInt64>((deadline - now + 999) / 1000, 1000)));
            if (!pending_.empty() || clock_.Microseconds() >= deadline) break;
        }
    }
    if (pending_.empty()) return std::nullopt;
    RawInput input = pending_.front();
    pending_.pop_front();
    dirty_ = true;
    return input;
}

void WindowBackend::Wait(int timeoutMs) {
    SDL_Event event;
    if (!(timeoutMs > 0 ? SDL_WaitEventTimeout(&event, timeoutMs) : SDL_PollEvent(&event))) return;
    const Point pointer = conveniences_.Pointer();
    if (event.type == SDL_WINDOWEVENT) {
        if (event.window.event == SDL_WINDOWEVENT_CLOSE) {
            closing_ = true;
            pending_.push_back(RawInput{RawInput::Kind::Quit, pointer});
        } else if (event.window.event == SDL_WINDOWEVENT_EXPOSED) {
            dirty_ = true;
        }
        return;
    }
    if (event.type == SDL_QUIT) { // the window's close, or a signal to end
        if (!closing_) pending_.push_back(RawInput{RawInput::Kind::Quit, pointer});
        closing_ = false;
        return;
    }
    const KeyboardFocus focus = conveniences_.Focus();
    for (const UserEvent& user : input_.Translate(event))
        conveniences_.Translate(user, pending_);
    // A key that only moves the focus changes the picture too.
    dirty_ = dirty_ || conveniences_.Focus() != focus;
}

std::optional<std::string> WindowBackend::ReadClipboard() const {
    if (!SDL_HasClipboardText()) return std::nullopt;
    char* text = SDL_GetClipboardText();
    std::string copied = text ? text : "";
    SDL_free(text);
    return WithBreaks(copied, '\n', '\r');
}

void WindowBackend::WriteClipboard(const std::string& text) {
    SDL_SetClipboardText(WithBreaks(text, '\r', '\n').c_str());
}

} // namespace platform::display::window
