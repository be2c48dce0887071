#include "Display/Terminal/TerminalPainters.h"

#include "Display/ModelPrinter.h"
#include "Display/ModelView.h"

#include <algorithm>
#include <string>

namespace platform::display::terminal {

namespace {

// The cells the visible windows and the menu bar need.
CellArea NeededArea(const ModelSnapshot& model) {
    CellArea needed{0, 0, 1, 1};
    for (const WindowSnapshot& window : model.windows) {
        if (!window.visible) continue;
        const CellArea area = CellsOf(window.structure);
        needed.right = std::max(needed.right, area.right);
        needed.bottom = std::max(needed.bottom, area.bottom);
    }
    return needed;
}

// In place of the key line: what to enlarge the terminal to, to see the windows whole. The
// picture is clipped meanwhile, and every key still works.
void PaintTooSmall(CellBuffer& screen, const CellArea& needed) {
    const int row = screen.Rows() - 1;
    screen.Fill(0, row, screen.Columns(), row + 1, " ", Role::Message);
    screen.Put(1, row,
               "Terminal too small: the windows need " + std::to_string(needed.right) + "x" +
                   std::to_string(needed.bottom),
               Role::Message, kBold);
}

} // namespace

// The key line gives way first: windows that need the terminal's last row get it.
PaintResult PaintScreen(CellBuffer& screen, const KeyboardFocus& focus) {
    const ModelSnapshot model = TakeSnapshot();
    PaintResult result;
    screen.Unclip();
    const CellArea needed = NeededArea(model);
    const bool fits = needed.right <= screen.Columns() && needed.bottom <= screen.Rows();
    const bool keyLine = fits && needed.bottom <= screen.Rows() - kKeyHintRows;
    const int modelRows = keyLine ? screen.Rows() - kKeyHintRows : screen.Rows();
    screen.Fill(0, 0, screen.Columns(), modelRows, " ", Role::Desktop);
    if (keyLine) PaintKeyHint(screen, modelRows, model);
    const WindowSnapshot* front = model.Front();
    for (auto at = model.windows.rbegin(); at != model.windows.rend(); ++at)
        if (at->visible) PaintWindow(screen, *at, &*at == front, focus, &result);
    screen.Unclip();
    PaintMenuBar(screen, model.menuBar);
    PaintOpenMenu(screen, model.menuBar);
    if (!fits) PaintTooSmall(screen, needed);
    if (model.menuBar.hilited != 0 || (!fits && result.cursorRow >= screen.Rows() - 1))
        result.cursorShown = false;
    return result;
}

void PrintCells(std::ostream& out, unsigned long ticks, const Rect& screen,
                const std::string& label) {
    CellBuffer cells(ColumnOf(screen.right - screen.left),
                     RowOf(screen.bottom - screen.top) + kKeyHintRows);
    PaintScreen(cells, KeyboardFocus{});
    std::string text = cells.Text();
    text.erase(text.find_last_not_of('\n') + 1);
    PrintHeader(out, "cells", label, ticks);
    out << text << "\n---\n";
    out.flush();
}

} // namespace platform::display::terminal
