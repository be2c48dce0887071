// The windows in the display's snapshot: frames, titles and what was drawn into each port.
#include "Display/ModelView.h"
#include "Events/EventSource.h"
#include "Windows/Window.h"

namespace platform::windows {

namespace {

// The snapshot's kinds are the port's, in the same order.
static_assert(int(display::DrawnShape::Kind::Line) == int(quickdraw::DrawOp::Kind::Line));

display::DrawnShape ShapeOf(WindowRef window, const quickdraw::DrawOp& op) {
    return display::DrawnShape{display::DrawnShape::Kind(op.kind),
                               quickdraw::GlobalOf(window->port, op.rect), op.text, op.face};
}

display::WindowSnapshot SnapshotOf(WindowRef window) {
    display::WindowSnapshot shot;
    shot.id = window;
    shot.serial = window->serial;
    shot.kind = window->kind;
    shot.visible = window->visible;
    shot.title = window->title;
    shot.hasCloseBox = window->hasCloseBox;
    shot.content = ContentBounds(window);
    shot.titleBar = TitleBarBounds(window);
    shot.closeBox = CloseBoxBounds(window);
    shot.structure = StructureBounds(window);
    shot.drawn.reserve(window->port.drawn.size());
    for (const quickdraw::DrawOp& op : window->port.drawn)
        shot.drawn.push_back(ShapeOf(window, op));
    return shot;
}

void TakeWindows(display::ModelSnapshot& snapshot) {
    for (WindowRef window : WindowList())
        snapshot.windows.push_back(SnapshotOf(window));
    snapshot.inModalLoop = events::InModalLoop();
}

} // namespace

void InstallModelView() {
    display::TheModelView().windows = TakeWindows;
}

} // namespace platform::windows
