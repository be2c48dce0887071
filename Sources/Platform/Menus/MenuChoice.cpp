// Choosing an item with the mouse or its Command key. The command event goes first; what the
// handlers and the standard handling leave comes back as the menu result.
#include "CarbonEvents/CommandEvents.h"
#include "Events/EventSource.h"
#include "Menus/Menu.h"

#include <cctype>

using namespace platform;
using namespace platform::menus;

namespace {

// The menu pulled down is the one whose title the pointer crossed last while the button was
// held; the point where the button came up picks its item.
std::optional<ItemPlace> Track(Point start) {
    MenuRef pulled = nullptr;
    Point where = start;
    for (bool down = true;; down = events::NextTrackingPoint(&where)) {
        if (MenuRef over = MenuOfTitleAt(where)) {
            pulled = over;
            HiliteMenu(over->id);
        }
        if (!down) break;
    }
    MenuItemIndex item = pulled ? ItemAt(pulled, where) : 0;
    if (!IsChoosable(pulled, item)) return std::nullopt;
    return ItemPlace{pulled, item};
}

std::optional<ItemPlace> FindKeyEquivalent(UInt8 charCode) {
    UInt8 key = UInt8(std::toupper(charCode));
    for (MenuRef menu : Bar())
        for (MenuItemIndex item = 1; item <= CountMenuItems(menu); ++item)
            if (ItemOf(menu, item)->key == key && IsChoosable(menu, item))
                return ItemPlace{menu, item};
    return std::nullopt;
}

} // namespace

namespace platform::menus {

SInt32 Choose(MenuRef menu, MenuItemIndex item) {
    MenuID id = menu->id;
    MenuCommand command = ItemOf(menu, item)->command;
    HiliteMenu(id);
    if (command && carbonevents::ProcessCommand(HICommand{
                       kHICommandFromMenu, command, {menu, item}}) != eventNotHandledErr) {
        HiliteMenu(0);
        return 0;
    }
    return (SInt32(id) << 16) | item;
}

// A matched key goes no further, whatever became of its command.
bool TakeKeyEquivalent(const EventRecord& event) {
    std::optional<ItemPlace> place = FindKeyEquivalent(UInt8(event.message & charCodeMask));
    if (!place) return false;
    Choose(place->menu, place->item);
    HiliteMenu(0);
    return true;
}

} // namespace platform::menus

SInt32 MenuSelect(Point startPt) {
    std::optional<ItemPlace> place = Track(startPt);
    if (!place) {
        HiliteMenu(0);
        return 0;
    }
    return Choose(place->menu, place->item);
}
