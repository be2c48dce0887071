// What a control is, and which of its parts lies under a point.
#include "Controls/Control.h"
#include "Controls/ScrollBarGeometry.h"

using namespace platform::controls;

namespace {

constexpr UInt8 kInactiveHilite = 255, kDisabledHilite = 254;

ControlPartCode ScrollBarPartAt(ControlRef scrollBar, Point local) {
    ScrollBarGeometry g = GeometryOf(scrollBar);
    if (PtInRect(local, &g.upArrow)) return kControlUpButtonPart;
    if (PtInRect(local, &g.downArrow)) return kControlDownButtonPart;
    if (PtInRect(local, &g.thumb)) return kControlIndicatorPart;
    if (!PtInRect(local, &g.track)) return kControlNoPart;
    // Without a thumb the whole track pages up.
    bool beforeThumb =
        EmptyRect(&g.thumb) || (g.vertical ? local.v < g.thumb.top : local.h < g.thumb.left);
    return beforeThumb ? kControlPageUpPart : kControlPageDownPart;
}

} // namespace

namespace platform::controls {

// Definition IDs 0 and 23 hold buttons, check boxes and radio buttons by variation; 1 and 24
// scroll bars; 25 and 63 popup menus.
Kind KindOf(ControlRef control) {
    SInt16 definition = SInt16(control->procID / 16), variation = SInt16(control->procID % 16);
    switch (definition) {
    case 0:
    case 23:
        if ((variation & 7) == checkBoxProc) return Kind::CheckBox;
        if ((variation & 7) == radioButProc) return Kind::RadioButton;
        return Kind::Button;
    case 1:
    case 24:
        return Kind::ScrollBar;
    case 25:
    case 63:
        return Kind::Popup;
    default:
        return Kind::Button;
    }
}

bool IsActive(ControlRef control) {
    return control->hilite != kInactiveHilite && control->hilite != kDisabledHilite;
}

ControlPartCode PartAt(ControlRef control, Point local) {
    if (!PtInRect(local, &control->bounds)) return kControlNoPart;
    switch (KindOf(control)) {
    case Kind::Button:
        return kControlButtonPart;
    case Kind::CheckBox:
    case Kind::RadioButton:
        return kControlCheckBoxPart;
    case Kind::ScrollBar:
        return ScrollBarPartAt(control, local);
    case Kind::Popup:
        return kControlMenuPart;
    }
    return kControlNoPart;
}

} // namespace platform::controls

ControlPartCode FindControl(Point testPoint, WindowRef theWindow, ControlRef* theControl) {
    *theControl = nullptr;
    for (ControlRef control : ControlsOf(theWindow)) {
        if (!control->visible || !PtInRect(testPoint, &control->bounds)) continue;
        if (!IsActive(control)) return kControlNoPart;
        ControlPartCode part = PartAt(control, testPoint);
        if (part != kControlNoPart) *theControl = control;
        return part;
    }
    return kControlNoPart;
}
