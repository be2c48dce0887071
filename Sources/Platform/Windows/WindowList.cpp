#include "Display/Backend.h"
#include "Windows/Window.h"

#include <algorithm>
#include <memory>

namespace platform::windows {

namespace {

std::vector<WindowRef>& Windows() {
    static std::vector<WindowRef> windows;
    return windows;
}

} // namespace

WindowRef CreateWindow(const Rect& globalContent, const std::string& title, bool visible,
                       bool closeBox, SInt16 procID, WindowRef behind) {
    auto window = std::make_unique<OpaqueWindowPtr>();
    quickdraw::InitPort(&window->port);
    window->port.portRect = Rect{0, 0, SInt16(globalContent.bottom - globalContent.top),
                                 SInt16(globalContent.right - globalContent.left)};
    window->port.origin = Point{globalContent.top, globalContent.left};
    window->port.window = window.get();
    static UInt64 made = 0;
    window->serial = ++made;
    window->title = title;
    window->visible = visible;
    window->hasCloseBox = closeBox;
    window->procID = procID;
    auto& windows = Windows();
    auto at = windows.begin();
    if (behind == nullptr)
        at = windows.end();
    else if (behind != reinterpret_cast<WindowRef>(-1))
        at = std::find(windows.begin(), windows.end(), behind) + (IsWindow(behind) ? 1 : 0);
    windows.insert(at, window.get());
    InstallModelView();
    ModelChanged();
    return window.release();
}

const std::vector<WindowRef>& WindowList() {
    return Windows();
}

bool IsWindow(WindowRef window) {
    return window && std::find(Windows().begin(), Windows().end(), window) != Windows().end();
}

Rect ContentBounds(WindowRef window) {
    const OpaqueGrafPtr& port = window->port;
    return Rect{port.origin.v, port.origin.h, SInt16(port.origin.v + port.portRect.bottom),
                SInt16(port.origin.h + port.portRect.right)};
}

Rect TitleBarBounds(WindowRef window) {
    Rect content = ContentBounds(window);
    return Rect{SInt16(content.top - kTitleBarHeight), SInt16(content.left - kWindowBorderWidth),
                content.top, SInt16(content.right + kWindowBorderWidth)};
}

Rect CloseBoxBounds(WindowRef window) {
    if (!window->hasCloseBox) return Rect{};
    Rect bar = TitleBarBounds(window);
    SInt16 left = SInt16(bar.left + kWindowBorderWidth);
    return Rect{bar.top, left, bar.bottom, SInt16(left + kCloseBoxWidth)};
}

Rect StructureBounds(WindowRef window) {
    Rect bar = TitleBarBounds(window);
    Rect content = ContentBounds(window);
    return Rect{bar.top, bar.left, SInt16(content.bottom + kFontLineHeight), bar.right};
}

void ModelChanged() {
    display::CurrentBackend().ModelChanged();
}

void BringToFront(WindowRef window) {
    auto& windows = Windows();
    auto at = std::find(windows.begin(), windows.end(), window);
    if (at != windows.end()) std::rotate(windows.begin(), at, at + 1);
}

void Forget(WindowRef window) {
    auto& windows = Windows();
    windows.erase(std::remove(windows.begin(), windows.end(), window), windows.end());
}

void Reset() {
    while (!Windows().empty())
        DisposeWindow(Windows().front());
}

} // namespace platform::windows
