// The menu record behind MenuRef and what the Menu Manager's files share: every menu alive, the
// menu bar, the geometry of titles and pulled-down menus, and choosing an item.
#pragma once

#include "Platform/Events.h"
#include "Platform/Menus.h"
#include "Platform/Quickdraw.h"

#include <optional>
#include <string>
#include <vector>

namespace platform::menus {

struct MenuItem {
    std::string text; // UTF-8
    bool enabled = true;
    UInt8 key = 0; // the Command-key equivalent, upper case; 0 for none
    MenuCommand command = 0;

    bool IsSeparator() const { return !text.empty() && text[0] == '-'; }
    // The platform's own item: the application cannot disable it.
    bool IsPlatformItem() const;
};

} // namespace platform::menus

struct OpaqueMenuRef {
    MenuID id = 0;
    std::string title;
    bool titleEnabled = true;
    std::vector<platform::menus::MenuItem> items;
};

namespace platform::menus {

struct ItemPlace {
    MenuRef menu = nullptr;
    MenuItemIndex item = 0;
};

// Menus: owned here from creation until DisposeMenu.
MenuRef MakeMenu(OpaqueMenuRef contents);
bool IsMenu(MenuRef menu);
// For tests: clears the menu bar and disposes of every menu.
void Reset();
// Item 1 onwards; null for the title and for an index past the end.
MenuItem* ItemOf(MenuRef menu, MenuItemIndex item);
bool IsChoosable(MenuRef menu, MenuItemIndex item);

// The menu bar, left to right. Every change goes through SetBar or RemoveFromBar.
const std::vector<MenuRef>& Bar();
void SetBar(std::vector<MenuRef> menus);
void RemoveFromBar(MenuRef menu);
MenuID HilitedMenu();
bool BarNeedsDrawing();

// Geometry, global pixels: titles side by side on the top text row, a menu under its title.
Rect TitleBounds(MenuRef menu);
Rect ItemBounds(MenuRef menu, MenuItemIndex item);
MenuRef MenuOfTitleAt(Point where);
// 0 when the point is not on one of the menu's items.
MenuItemIndex ItemAt(MenuRef menu, Point where);
// Characters, not bytes, as the display shows them.
SInt16 TextWidth(const std::string& text);

// Highlights the title, sends the item's command, and gives the menu result (0 when the
// command was taken).
SInt32 Choose(MenuRef menu, MenuItemIndex item);

// The event filter for Command keys: true when the key chose an item.
bool TakeKeyEquivalent(const EventRecord& event);

// The key filter and the screen model's view of the menus.
void ConnectToEventsAndDisplay();

} // namespace platform::menus
