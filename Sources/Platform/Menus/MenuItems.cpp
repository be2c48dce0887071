// Items: their enabled state, text and command IDs.
#include "Menus/Menu.h"
#include "Support/PascalText.h"

using namespace platform::menus;

namespace {

std::optional<ItemPlace> FindCommand(MenuRef menu, MenuCommand command) {
    if (command == 0) return std::nullopt;
    for (MenuRef candidate : menu ? std::vector<MenuRef>{menu} : Bar())
        for (MenuItemIndex item = 1; item <= CountMenuItems(candidate); ++item)
            if (ItemOf(candidate, item)->command == command) return ItemPlace{candidate, item};
    return std::nullopt;
}

void SetEnabled(MenuRef menu, MenuItemIndex item, bool enabled) {
    if (menu && item == 0) menu->titleEnabled = enabled;
    MenuItem* found = ItemOf(menu, item);
    if (found && (enabled || !found->IsPlatformItem())) found->enabled = enabled;
}

} // namespace

void EnableMenuItem(MenuRef theMenu, MenuItemIndex item) {
    SetEnabled(theMenu, item, true);
}

void DisableMenuItem(MenuRef theMenu, MenuItemIndex item) {
    SetEnabled(theMenu, item, false);
}

void DisableAllMenuItems(MenuRef theMenu) {
    for (MenuItemIndex item = 1; item <= CountMenuItems(theMenu); ++item)
        DisableMenuItem(theMenu, item);
}

Boolean IsMenuItemEnabled(MenuRef menu, MenuItemIndex item) {
    if (menu && item == 0) return menu->titleEnabled;
    const MenuItem* found = ItemOf(menu, item);
    return found && found->enabled;
}

void SetMenuItemText(MenuRef theMenu, MenuItemIndex item, ConstStr255Param itemString) {
    MenuItem* found = ItemOf(theMenu, item);
    if (found && itemString) found->text = platform::FromPascal(itemString);
}

OSStatus GetMenuItemCommandID(MenuRef inMenu, MenuItemIndex inItem, MenuCommand* outCommandID) {
    const MenuItem* found = ItemOf(inMenu, inItem);
    if (!found) return menuItemNotFoundErr;
    if (!outCommandID) return paramErr;
    *outCommandID = found->command;
    return noErr;
}

void EnableMenuCommand(MenuRef inMenu, MenuCommand inCommandID) {
    if (auto place = FindCommand(inMenu, inCommandID)) EnableMenuItem(place->menu, place->item);
}
