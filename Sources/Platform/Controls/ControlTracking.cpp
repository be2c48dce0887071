// Following the button while it is held in a control.
#include "Controls/Control.h"
#include "Controls/ScrollBarGeometry.h"
#include "Events/EventSource.h"
#include "Windows/Window.h"

using namespace platform;
using namespace platform::controls;

namespace {

// The next position of the pointer in the control's window, false once the button is up.
bool NextPoint(ControlRef control, Point* local) {
    Point global;
    bool held = events::NextTrackingPoint(&global);
    *local = quickdraw::LocalOf(control->window->port, global);
    return held;
}

void Hilite(ControlRef control, ControlPartCode part) {
    if (control->hilite == part) return;
    control->hilite = UInt8(part);
    windows::ModelChanged();
}

// Buttons, boxes, arrows and page areas: the part stays highlighted while the pointer is in
// it, and the action procedure runs each time the pointer is found there.
ControlPartCode TrackPart(ControlRef control, ControlPartCode part, ControlActionUPP action) {
    Point where{};
    bool inside = true, held = true;
    while (held) {
        Hilite(control, inside ? part : kControlNoPart);
        if (inside && action) InvokeControlActionUPP(control, part, action);
        held = NextPoint(control, &where);
        inside = PartAt(control, where) == part;
    }
    Hilite(control, kControlNoPart);
    return inside ? part : kControlNoPart;
}

// The thumb follows the pointer along the bar, and the value follows the thumb.
ControlPartCode TrackThumb(ControlRef control, Point start, ControlActionUPP action) {
    ScrollBarGeometry g = GeometryOf(control);
    SInt16 startValue = control->value;
    Hilite(control, kControlIndicatorPart);
    Point where = start;
    bool held;
    do {
        held = NextPoint(control, &where);
        SInt16 delta = g.vertical ? SInt16(where.v - start.v) : SInt16(where.h - start.h);
        SetControlValue(control, ValueAfterDrag(control, startValue, delta));
        if (action) InvokeControlActionUPP(control, kControlIndicatorPart, action);
    } while (held);
    Hilite(control, kControlNoPart);
    return kControlIndicatorPart;
}

} // namespace

ControlPartCode TrackControl(ControlRef theControl, Point startPoint, ControlActionUPP actionProc) {
    if (!theControl->visible || !IsActive(theControl)) return kControlNoPart;
    ControlPartCode part = PartAt(theControl, startPoint);
    if (part == kControlIndicatorPart) return TrackThumb(theControl, startPoint, actionProc);
    return part == kControlNoPart ? part : TrackPart(theControl, part, actionProc);
}
