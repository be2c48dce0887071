// The controls in the display's snapshot of their window.
#include "Controls/Control.h"
#include "Controls/ScrollBarGeometry.h"
#include "Display/ModelView.h"
#include "QuickDraw/Port.h"
#include "Windows/Window.h"

namespace platform::controls {

namespace {

static_assert(int(display::ControlSnapshot::Kind::Popup) == int(Kind::Popup));

display::ControlSnapshot SnapshotOf(ControlRef control) {
    const OpaqueGrafPtr& port = control->window->port;
    display::ControlSnapshot shot{.id = control,
                                  .kind = display::ControlSnapshot::Kind(KindOf(control)),
                                  .bounds = quickdraw::GlobalOf(port, control->bounds),
                                  .title = control->title,
                                  .value = control->value,
                                  .minimum = control->minimum,
                                  .maximum = control->maximum,
                                  .hilite = control->hilite,
                                  .active = IsActive(control),
                                  .visible = control->visible};
    if (shot.kind == display::ControlSnapshot::Kind::ScrollBar) {
        const ScrollBarGeometry parts = GeometryOf(control);
        shot.vertical = parts.vertical;
        shot.upArrow = quickdraw::GlobalOf(port, parts.upArrow);
        shot.downArrow = quickdraw::GlobalOf(port, parts.downArrow);
        shot.thumb = quickdraw::GlobalOf(port, parts.thumb);
    }
    return shot;
}

void AddControls(display::WindowSnapshot& window) {
    for (ControlRef control : ControlsOf(window.id))
        window.controls.push_back(SnapshotOf(control));
}

} // namespace

void InstallModelView() {
    display::TheModelView().controls = AddControls;
}

} // namespace platform::controls
