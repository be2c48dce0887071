// The menu bar: which menus it holds, left to right, and which title is highlighted.
#include "Menus/Menu.h"

#include "Windows/Window.h"

#include <algorithm>

using namespace platform;
using namespace platform::menus;

namespace platform::menus {

namespace {

struct MenuBarState {
    std::vector<MenuRef> menus;
    MenuID hilited = 0;
    bool needsDrawing = false;
};

MenuBarState& State() {
    static MenuBarState state;
    return state;
}

} // namespace

const std::vector<MenuRef>& Bar() {
    return State().menus;
}

void SetBar(std::vector<MenuRef> menus) {
    State().menus = std::move(menus);
    if (!GetMenuHandle(State().hilited)) State().hilited = 0;
    ConnectToEventsAndDisplay();
    InvalMenuBar();
}

void RemoveFromBar(MenuRef menu) {
    std::vector<MenuRef> menus = Bar();
    if (std::erase(menus, menu)) SetBar(std::move(menus));
}

MenuID HilitedMenu() {
    return State().hilited;
}

bool BarNeedsDrawing() {
    return State().needsDrawing;
}

} // namespace platform::menus

MenuRef GetMenuHandle(MenuID menuID) {
    for (MenuRef menu : Bar())
        if (menu->id == menuID) return menu;
    return nullptr;
}

void InsertMenu(MenuRef theMenu, MenuID beforeID) {
    std::vector<MenuRef> menus = Bar();
    if (!IsMenu(theMenu) || std::find(menus.begin(), menus.end(), theMenu) != menus.end()) return;
    MenuRef before = beforeID ? GetMenuHandle(beforeID) : nullptr;
    menus.insert(std::find(menus.begin(), menus.end(), before), theMenu);
    SetBar(std::move(menus));
}

void DeleteMenu(MenuID menuID) {
    if (MenuRef menu = GetMenuHandle(menuID)) RemoveFromBar(menu);
}

void ClearMenuBar() {
    SetBar({});
}

void InvalMenuBar() {
    State().needsDrawing = true;
    windows::ModelChanged();
}

void DrawMenuBar() {
    State().needsDrawing = false;
    windows::ModelChanged();
}

void HiliteMenu(MenuID menuID) {
    MenuID hilited = GetMenuHandle(menuID) ? menuID : 0;
    if (hilited == State().hilited) return;
    State().hilited = hilited;
    windows::ModelChanged();
}
