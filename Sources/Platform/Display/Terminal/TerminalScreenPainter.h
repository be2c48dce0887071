// Paints the platform's window model into a cell buffer: the desktop, the menu bar, the windows
// back to front with their items, and a menu being chosen from. It reads a snapshot of the
// model, taken for each picture.
#pragma once

#include "Display/KeyConveniences.h"
#include "Display/Terminal/CellBuffer.h"
#include "Platform/Dialogs.h"

#include <ostream>
#include <string>

namespace platform::display::terminal {

using display::KeyboardFocus;

struct PaintResult {
    bool cursorShown = false; // the caret of the front window's edit field
    int cursorColumn = 0, cursorRow = 0;
};

// The terminal's last row shows the keys of the front window, below the model's screen, so that
// it never hides a pixel of the model; windows that need that row take it.
constexpr int kKeyHintRows = 1;

// A screen smaller than the windows shown gets them clipped, with a last row that says so; every
// key still works.
PaintResult PaintScreen(CellBuffer& screen, const KeyboardFocus& focus);

// The picture a terminal showing the whole screen would show, as text, the key row below it:
// what the headless display's "print cells" prints, with the label in its header when there is
// one. Blank lines at the end are left out.
void PrintCells(std::ostream& out, unsigned long ticks, const Rect& screen,
                const std::string& label);

} // namespace platform::display::terminal
