#include "Display/Terminal/Painters.h"

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

void PaintTooSmall(CellBuffer& screen, const CellArea& needed) {
    screen.Fill(0, 0, screen.Columns(), screen.Rows(), " ", Role::Message);
    const std::string lines[] = {
        "The terminal is too small: " + std::to_string(screen.Columns()) + " x " +
            std::to_string(screen.Rows()) + ".",
        "The windows need " + std::to_string(needed.right) + " x " +
            std::to_string(needed.bottom + kKeyHintRows) + "; enlarge it.",
    };
    for (int i = 0; i < 2; ++i) {
        const int width = int(lines[i].size());
        screen.Put(std::max(0, (screen.Columns() - width) / 2), screen.Rows() / 2 - 1 + i, lines[i],
                   Role::Message, kBold);
    }
}

} // namespace

PaintResult PaintScreen(CellBuffer& screen, const KeyboardFocus& focus) {
    const ModelSnapshot model = TakeSnapshot();
    PaintResult result;
    screen.Unclip();
    const CellArea needed = NeededArea(model);
    const int modelRows = screen.Rows() - kKeyHintRows;
    if (needed.right > screen.Columns() || needed.bottom > modelRows) {
        PaintTooSmall(screen, needed);
        result.tooSmall = true;
        return result;
    }
    screen.Fill(0, 0, screen.Columns(), modelRows, " ", Role::Desktop);
    PaintKeyHint(screen, modelRows, model);
    const WindowSnapshot* front = model.Front();
    for (auto at = model.windows.rbegin(); at != model.windows.rend(); ++at)
        if (at->visible) PaintWindow(screen, *at, &*at == front, focus, &result);
    screen.Unclip();
    PaintMenuBar(screen, model.menuBar);
    PaintOpenMenu(screen, model.menuBar);
    if (model.menuBar.hilited != 0) result.cursorShown = false;
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
