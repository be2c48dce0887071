// Every menu alive, and the questions asked of one.
#include "Menus/Menu.h"

#include "Platform/CarbonEvents.h"

#include <algorithm>
#include <memory>

namespace platform::menus {

namespace {

std::vector<std::unique_ptr<OpaqueMenuRef>>& Menus() {
    static std::vector<std::unique_ptr<OpaqueMenuRef>> menus;
    return menus;
}

} // namespace

void Reset() {
    ClearMenuBar();
    Menus().clear();
}

bool MenuItem::IsPlatformItem() const {
    return command == kHICommandQuit;
}

MenuRef MakeMenu(OpaqueMenuRef contents) {
    return Menus().emplace_back(std::make_unique<OpaqueMenuRef>(std::move(contents))).get();
}

bool IsMenu(MenuRef menu) {
    const auto& menus = Menus();
    return menu && std::any_of(menus.begin(), menus.end(),
                               [&](const auto& owned) { return owned.get() == menu; });
}

MenuItem* ItemOf(MenuRef menu, MenuItemIndex item) {
    if (!menu || item == 0 || item > menu->items.size()) return nullptr;
    return &menu->items[item - 1];
}

bool IsChoosable(MenuRef menu, MenuItemIndex item) {
    const MenuItem* found = ItemOf(menu, item);
    return found && menu->titleEnabled && found->enabled && !found->IsSeparator();
}

} // namespace platform::menus

using namespace platform::menus;

void DisposeMenu(MenuRef theMenu) {
    if (!IsMenu(theMenu)) return;
    RemoveFromBar(theMenu);
    std::erase_if(Menus(), [&](const auto& owned) { return owned.get() == theMenu; });
}

UInt16 CountMenuItems(MenuRef theMenu) {
    return theMenu ? UInt16(theMenu->items.size()) : 0;
}
