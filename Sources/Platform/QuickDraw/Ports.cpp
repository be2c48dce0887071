#include "Display/Backend.h"
#include "QuickDraw/Port.h"

#include <algorithm>

namespace platform::quickdraw {

namespace {

OpaqueGrafPtr& ScreenPort() {
    static OpaqueGrafPtr screen = [] {
        OpaqueGrafPtr port;
        port.portRect = display::CurrentBackend().ScreenBounds();
        InitPort(&port);
        return port;
    }();
    return screen;
}

GrafPtr gCurrent = nullptr;
QDErr gQDError = 0;

} // namespace

GrafPtr CurrentPort() {
    return gCurrent ? gCurrent : &ScreenPort();
}

void ForgetPort(GrafPtr port) {
    if (gCurrent == port) gCurrent = nullptr;
}

PenState NormalPen() {
    return PenState{{0, 0}, {1, 1}, 8, {0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF}};
}

void InitPort(GrafPtr port) {
    port->pen = NormalPen();
    port->txFont = systemFont;
    port->txSize = 12;
    port->txFace = normal;
}

// The same shape drawn again at the same place only comes back on top.
void Record(const DrawOp& op) {
    auto& drawn = CurrentPort()->drawn;
    std::erase_if(drawn, [&](const DrawOp& old) {
        return old.kind == op.kind && EqualRect(&old.rect, &op.rect) && old.text == op.text &&
               old.face == op.face;
    });
    drawn.push_back(op);
    display::CurrentBackend().ModelChanged(); // a display that shows pixels paints it again
}

void SetQDError(QDErr err) {
    gQDError = err;
}

} // namespace platform::quickdraw

using namespace platform::quickdraw;

void GetPort(GrafPtr* port) {
    if (port) *port = gCurrent ? gCurrent : &ScreenPort();
}

void SetPort(GrafPtr port) {
    gCurrent = port == &ScreenPort() ? nullptr : port;
}

Rect* GetPortBounds(CGrafPtr port, Rect* rect) {
    *rect = port ? port->portRect : Rect{};
    return rect;
}

SInt16 GetPortTextFont(CGrafPtr port) {
    return port->txFont;
}
SInt16 GetPortTextSize(CGrafPtr port) {
    return port->txSize;
}

void LocalToGlobal(Point* pt) {
    *pt = GlobalOf(*CurrentPort(), *pt);
}

void GlobalToLocal(Point* pt) {
    *pt = LocalOf(*CurrentPort(), *pt);
}

BitMap* GetQDGlobalsScreenBits(BitMap* screenBits) {
    *screenBits = BitMap{nullptr, 0, platform::display::CurrentBackend().ScreenBounds()};
    return screenBits;
}

GDHandle GetMainDevice() {
    static GDevice device;
    static GDPtr master = &device;
    device.gdRect = platform::display::CurrentBackend().ScreenBounds();
    return &master;
}

QDErr QDError() {
    return gQDError;
}

void SetPortBounds(CGrafPtr port, const Rect* rect) {
    if (port && rect && !port->window) port->portRect = *rect;
}

void SetPortVisibleRegion(CGrafPtr port, RgnHandle visRgn) {
    if (port && !port->window) GetRegionBounds(visRgn, &port->visBox);
}

void SetPortClipRegion(CGrafPtr port, RgnHandle clipRgn) {
    if (port) GetRegionBounds(clipRgn, &port->clipBox);
}

void PortChanged(GrafPtr) {}
