// The menu bar on the top row and the menu pulled down from it.
#include "Display/Terminal/TerminalPainters.h"

namespace platform::display::terminal {

void PaintMenuBar(CellBuffer& screen, const MenuBarSnapshot& bar) {
    screen.Fill(0, 0, screen.Columns(), 1, " ", Role::MenuBar);
    for (const MenuSnapshot& menu : bar.menus) {
        const CellArea title = CellsOf(menu.titleBounds);
        std::uint8_t style = menu.titleEnabled ? kPlain : kDim;
        if (bar.hilited == menu.id) style |= kReverse;
        screen.Put(title.left, title.top, menu.title, Role::MenuBar, style);
    }
}

// Key equivalents show with the Option sign: Alt is the Command key here.
void PaintOpenMenu(CellBuffer& screen, const MenuBarSnapshot& bar) {
    const MenuSnapshot* open = nullptr;
    for (const MenuSnapshot& menu : bar.menus)
        if (menu.id == bar.hilited) open = &menu;
    if (!open || !bar.pulledDown) return;
    for (size_t i = 0; i < open->items.size(); ++i) {
        const MenuItemSnapshot& item = open->items[i];
        const CellArea area = CellsOf(item.bounds);
        std::uint8_t style = item.choosable ? kPlain : kDim;
        if (bar.underPointer == i + 1) style |= kReverse;
        screen.Fill(area.left, area.top, area.right, area.bottom, " ", Role::Menu, style);
        if (item.separator) {
            screen.Fill(area.left, area.top, area.right, area.bottom, "─", Role::Menu, kDim);
            continue;
        }
        screen.Put(area.left + 1, area.top, item.text, Role::Menu, style, area.Width() - 2);
        if (item.key)
            screen.Put(area.right - 3, area.top, std::string("⌥") + char(item.key), Role::Menu,
                       style);
    }
}

} // namespace platform::display::terminal
