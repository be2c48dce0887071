#include "Display/Desktop/DesktopPainters.h"

namespace platform::display::window {

void PaintScreen(Canvas& canvas, const ModelSnapshot& model, const KeyboardFocus& focus,
                 const Rect& screen) {
    canvas.Unclip();
    canvas.Fill(screen, palette::kDesktop);
    const WindowSnapshot* front = model.Front();
    for (auto at = model.windows.rbegin(); at != model.windows.rend(); ++at)
        if (at->visible) PaintWindow(canvas, *at, &*at == front, focus);
    canvas.Unclip();
    PaintMenuBar(canvas, model.menuBar, screen.right - screen.left);
    PaintOpenMenu(canvas, model.menuBar);
}

} // namespace platform::display::window
