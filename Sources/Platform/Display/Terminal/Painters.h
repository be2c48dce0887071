// What the screen painter's parts share: the menus, one window with its frame and contents,
// and the dialog items and controls inside it.
#pragma once

#include "Display/Terminal/CellGeometry.h"
#include "Display/Terminal/ScreenPainter.h"

namespace platform::display::terminal {

void PaintMenuBar(CellBuffer& screen);
// The keys that work in the front window, on the row given.
void PaintKeyHint(CellBuffer& screen, int row);
// The menu being chosen from, if any, with the item under the pointer highlighted.
void PaintOpenMenu(CellBuffer& screen);

void PaintWindow(CellBuffer& screen, WindowRef window, bool front, const KeyboardFocus& focus,
                 PaintResult* result);
// The window's controls, back to front; a pressed, inactive or focused one looks so.
void PaintControls(CellBuffer& screen, WindowRef window, ControlRef focused);
// Static texts, edit fields and the alert's icon; the caret goes into result when it shows.
void PaintDialogItems(CellBuffer& screen, DialogRef dialog, bool front, PaintResult* result);

// The cells of a rectangle in a window's coordinates.
CellArea GlobalCells(WindowRef window, const Rect& local);

// A box of lines around an area given in cells (the lines lie on its outer cells).
void PaintBox(CellBuffer& screen, const CellArea& box, Role role, bool doubleLines);

} // namespace platform::display::terminal
