// What the screen painter's parts share: the menus, one window with its frame and contents,
// and the dialog items and controls inside it, all read from the model's snapshot.
#pragma once

#include "Display/ModelSnapshot.h"
#include "Display/Terminal/CellGeometry.h"
#include "Display/Terminal/TerminalScreenPainter.h"
#include "Display/TextLayout.h"

namespace platform::display::terminal {

void PaintMenuBar(CellBuffer& screen, const MenuBarSnapshot& bar);
// The keys that work in the front window, on the row given.
void PaintKeyHint(CellBuffer& screen, int row, const ModelSnapshot& model);
// The menu being chosen from, if any, with the item under the pointer highlighted.
void PaintOpenMenu(CellBuffer& screen, const MenuBarSnapshot& bar);

void PaintWindow(CellBuffer& screen, const WindowSnapshot& window, bool front,
                 const KeyboardFocus& focus, PaintResult* result);
// The window's controls, back to front; a pressed, inactive or focused one looks so.
void PaintControls(CellBuffer& screen, const WindowSnapshot& window, ControlRef focused);
// Static texts, edit fields and the alert's icon; the caret goes into result when it shows.
void PaintDialogItems(CellBuffer& screen, const WindowSnapshot& window, bool front,
                      PaintResult* result);

// A box of lines around an area given in cells (the lines lie on its outer cells).
void PaintBox(CellBuffer& screen, const CellArea& box, Role role, bool doubleLines);

} // namespace platform::display::terminal
