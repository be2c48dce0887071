// The menu bar on the top row and the menu pulled down from it.
#include "Display/Terminal/Painters.h"

#include "Events/EventSource.h"
#include "Menus/Menu.h"

namespace platform::display::terminal {

void PaintMenuBar(CellBuffer& screen) {
    screen.Fill(0, 0, screen.Columns(), 1, " ", Role::MenuBar);
    for (MenuRef menu : menus::Bar()) {
        const CellArea title = CellsOf(menus::TitleBounds(menu));
        std::uint8_t style = menu->titleEnabled ? kPlain : kDim;
        if (menus::HilitedMenu() == menu->id) style |= kReverse;
        screen.Put(title.left, title.top, menu->title, Role::MenuBar, style);
    }
}

// Key equivalents show with the Option sign: Alt is the Command key here.
void PaintOpenMenu(CellBuffer& screen) {
    MenuRef open = nullptr;
    for (MenuRef menu : menus::Bar())
        if (menu->id == menus::HilitedMenu()) open = menu;
    if (!open || !events::ButtonIsDown()) return;
    const Point pointer = events::MousePosition();
    for (MenuItemIndex i = 1; i <= open->items.size(); ++i) {
        const menus::MenuItem& item = *menus::ItemOf(open, i);
        const CellArea area = CellsOf(menus::ItemBounds(open, i));
        std::uint8_t style = menus::IsChoosable(open, i) ? kPlain : kDim;
        if (menus::ItemAt(open, pointer) == i && menus::IsChoosable(open, i)) style |= kReverse;
        screen.Fill(area.left, area.top, area.right, area.bottom, " ", Role::Menu, style);
        if (item.IsSeparator()) {
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
