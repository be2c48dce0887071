// The menu bar: which menus it holds, left to right, and which title is highlighted.
#include "Menus/Menu.h"

#include "Platform/MacMemory.h"
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

MenuBarHandle GetMenuBar() {
    Handle list = nullptr;
    PtrToHand(Bar().data(), &list, Size(Bar().size() * sizeof(MenuRef)));
    return list;
}

// Menus disposed of since the list was taken are left out.
void SetMenuBar(MenuBarHandle mbar) {
    if (!mbar) return;
    const auto* list = reinterpret_cast<const MenuRef*>(*mbar);
    std::vector<MenuRef> menus;
    std::copy_if(list, list + GetHandleSize(mbar) / sizeof(MenuRef), std::back_inserter(menus),
                 IsMenu);
    SetBar(std::move(menus));
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
