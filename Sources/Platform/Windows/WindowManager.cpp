// The Window Manager calls: order, parts, dragging, the close box, reference constants.
#include "Events/EventSource.h"
#include "Platform/MacMemory.h"
#include "Windows/Window.h"

#include <algorithm>

using namespace platform;
using namespace platform::windows;

namespace {

// The title bar stays reachable: below the menu bar, with the close box inside the bounds.
Point KeptInBounds(WindowRef window, Point topLeft, const Rect& bounds) {
    Rect content = ContentBounds(window);
    SInt16 width = SInt16(content.right - content.left);
    SInt16 top = SInt16(bounds.top + kFontLineHeight + kTitleBarHeight);
    SInt16 v = std::clamp<SInt16>(topLeft.v, top, std::max<SInt16>(top, SInt16(bounds.bottom - 1)));
    SInt16 left = SInt16(bounds.left + kCloseBoxWidth - width);
    SInt16 h = std::clamp<SInt16>(topLeft.h, left,
                                  std::max<SInt16>(left, SInt16(bounds.right - kCloseBoxWidth)));
    return Point{v, h};
}

bool InsideStructure(WindowRef window, Point point) {
    Rect structure = StructureBounds(window);
    return window->visible && PtInRect(point, &structure);
}

} // namespace

WindowRef FrontWindow() {
    for (WindowRef window : WindowList())
        if (window->visible) return window;
    return nullptr;
}

void SelectWindow(WindowRef window) {
    if (!IsWindow(window)) return;
    BringToFront(window);
    ModelChanged();
}

void ShowWindow(WindowRef window) {
    if (!IsWindow(window) || window->visible) return;
    window->visible = true;
    window->needsUpdate = true;
    ModelChanged();
}

WindowPartCode FindWindow(Point thePoint, WindowRef* window) {
    *window = nullptr;
    if (thePoint.v >= 0 && thePoint.v < kFontLineHeight) return inMenuBar;
    for (WindowRef candidate : WindowList()) {
        if (!InsideStructure(candidate, thePoint)) continue;
        *window = candidate;
        Rect closeBox = CloseBoxBounds(candidate), titleBar = TitleBarBounds(candidate),
             content = ContentBounds(candidate);
        if (PtInRect(thePoint, &closeBox)) return inGoAway;
        if (PtInRect(thePoint, &titleBar)) return inDrag;
        if (PtInRect(thePoint, &content)) return inContent;
        return inDrag; // the frame moves the window too
    }
    return inDesk;
}

// The title bar follows the pointer; the window is placed where the button comes up, kept
// with its title bar inside the bounds.
void DragWindow(WindowRef window, Point startPt, const Rect* boundsRect) {
    if (!IsWindow(window)) return;
    Point where = startPt;
    while (events::NextTrackingPoint(&where)) {
    }
    Rect content = ContentBounds(window);
    Point topLeft{SInt16(content.top + where.v - startPt.v),
                  SInt16(content.left + where.h - startPt.h)};
    if (boundsRect) topLeft = KeptInBounds(window, topLeft, *boundsRect);
    MoveWindow(window, topLeft.h, topLeft.v, false);
}

void MoveWindow(WindowRef window, SInt16 hGlobal, SInt16 vGlobal, Boolean front) {
    if (!IsWindow(window)) return;
    window->port.origin = Point{vGlobal, hGlobal};
    if (front) BringToFront(window);
    ModelChanged();
}

Boolean TrackGoAway(WindowRef window, Point thePt) {
    Point where = thePt;
    while (events::NextTrackingPoint(&where)) {
    }
    Rect closeBox = CloseBoxBounds(window);
    return PtInRect(where, &closeBox);
}

SRefCon GetWRefCon(WindowRef window) {
    return IsWindow(window) ? window->refCon : 0;
}
void SetWRefCon(WindowRef window, SRefCon data) {
    if (IsWindow(window)) window->refCon = data;
}

SInt16 GetWindowKind(WindowRef window) {
    return IsWindow(window) ? window->kind : 0;
}

void DisposeWindow(WindowRef window) {
    if (!IsWindow(window)) return;
    Forget(window);
    events::ForgetWindow(window);
    quickdraw::ForgetPort(&window->port);
    delete window;
    ModelChanged();
}

CGrafPtr GetWindowPort(WindowRef window) {
    return window ? &window->port : nullptr;
}

void BeginUpdate(WindowRef window) {
    if (IsWindow(window)) window->needsUpdate = false;
}

void EndUpdate(WindowRef) {}

// A window's port is visible while the window is; other ports keep what they were given.
RgnHandle GetPortVisibleRegion(CGrafPtr port, RgnHandle visRgn) {
    Rect bounds{};
    if (port)
        bounds = !port->window ? port->visBox : port->window->visible ? port->portRect : Rect{};
    RectRgn(visRgn, &bounds);
    return visRgn;
}
