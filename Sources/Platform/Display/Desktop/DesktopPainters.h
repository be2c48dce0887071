// The window display's painters: the desktop, the menu bar and the menu pulled down from it,
// the windows back to front with their frames, the program's drawing, the dialog items and the
// controls, all read from a snapshot of the model and drawn in the model's pixels.
#pragma once

#include "Display/Desktop/Canvas.h"
#include "Display/KeyConveniences.h"
#include "Display/ModelSnapshot.h"

namespace platform::display::window {

// The whole picture of the screen.
void PaintScreen(Canvas& canvas, const ModelSnapshot& model, const KeyboardFocus& focus,
                 const Rect& screen);

void PaintMenuBar(Canvas& canvas, const MenuBarSnapshot& bar, int width);
// The menu being chosen from, if any, with the item under the pointer highlighted.
void PaintOpenMenu(Canvas& canvas, const MenuBarSnapshot& bar);

// The frame, title bar and close box, then the contents clipped to the content area.
void PaintWindow(Canvas& canvas, const WindowSnapshot& window, bool front,
                 const KeyboardFocus& focus);
// Static texts, edit fields (the caret and selection in the front window) and the alert's icon.
void PaintDialogItems(Canvas& canvas, const WindowSnapshot& window, bool front);
// The window's controls, back to front; a pressed, inactive or focused one looks so.
void PaintControls(Canvas& canvas, const WindowSnapshot& window, ControlRef focused);

// Text centred across a box, on the grid's line through the box's middle.
void CentredText(Canvas& canvas, const Rect& box, std::string_view text, Colour colour,
                 Style face = normal);

} // namespace platform::display::window
