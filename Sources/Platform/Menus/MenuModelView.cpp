// The menus in the screen model: the menu bar in the display's snapshot, and where a script
// finds a menu item.
#include "Display/Backend.h"
#include "Display/ModelView.h"
#include "Events/EventSource.h"
#include "Menus/Menu.h"

namespace platform::menus {

namespace {

// The title and the first item, in the bar's menus, that the test takes.
template <typename Test> std::optional<std::pair<Point, Point>> Locate(const Test& test) {
    for (MenuRef menu : Bar())
        for (MenuItemIndex item = 1; item <= CountMenuItems(menu); ++item)
            if (test(menu, *ItemOf(menu, item)))
                return std::pair{display::CentreOf(TitleBounds(menu)),
                                 display::CentreOf(ItemBounds(menu, item))};
    return std::nullopt;
}

std::optional<std::pair<Point, Point>> LocateItem(const std::string& title,
                                                  const std::string& text) {
    return Locate([&](MenuRef menu, const MenuItem& item) {
        return menu->title == title && item.text == text;
    });
}

std::optional<std::pair<Point, Point>> LocateCommand(UInt32 command) {
    return Locate([&](MenuRef, const MenuItem& item) { return item.command == command; });
}

display::MenuSnapshot SnapshotOf(MenuRef menu) {
    display::MenuSnapshot shot{menu->id, menu->title, menu->titleEnabled, TitleBounds(menu), {}};
    for (MenuItemIndex i = 1; i <= CountMenuItems(menu); ++i) {
        const MenuItem& item = *ItemOf(menu, i);
        shot.items.push_back(display::MenuItemSnapshot{
            item.text, item.enabled, IsChoosable(menu, i), item.IsSeparator(), item.key,
            item.command, ItemBounds(menu, i)});
    }
    return shot;
}

// The highlighted menu shows while the button is held; the pointer picks a choosable item.
display::MenuBarSnapshot TakeMenuBar() {
    display::MenuBarSnapshot bar;
    bar.hilited = HilitedMenu();
    for (MenuRef menu : Bar()) {
        bar.menus.push_back(SnapshotOf(menu));
        if (menu->id != bar.hilited || !events::ButtonIsDown()) continue;
        bar.pulledDown = true;
        const MenuItemIndex item = ItemAt(menu, events::MousePosition());
        if (IsChoosable(menu, item)) bar.underPointer = item;
    }
    return bar;
}

} // namespace

// Again on every change of the menu bar: whoever cleared the key filter meanwhile does not
// leave the menus deaf to their keys.
void ConnectToEventsAndDisplay() {
    events::SetKeyEquivalentFilter(TakeKeyEquivalent);
    display::ModelView& view = display::TheModelView();
    view.menuBar = TakeMenuBar;
    view.menuItem = LocateItem;
    view.menuCommand = LocateCommand;
}

} // namespace platform::menus
