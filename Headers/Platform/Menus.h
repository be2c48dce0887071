// The Menu Manager: menus from 'MENU' resources and from the interface file, the menu bar on the
// top text row, choosing an item with the mouse or its Command key, and command IDs on items.
//
// Item 0 stands for the menu's title wherever an item index is taken. An item whose text begins
// with "-" is a separator: it counts as an item but is never chosen.
//
// The item with the command 'quit' belongs to the platform: the application cannot disable it,
// and when no command handler takes it, it becomes the quit Apple event.
#pragma once

#include "Platform/CoreFoundation.h"
#include "Platform/MacErrors.h"

typedef struct OpaqueMenuRef* MenuRef;
typedef MenuRef MenuHandle;
typedef SInt16 MenuID;
typedef UInt16 MenuItemIndex;
typedef UInt32 MenuCommand;
typedef struct OpaqueIBNibRef* IBNibRef;

constexpr OSStatus menuItemNotFoundErr = -5622;
constexpr OSStatus kIBCarbonRuntimeCantFindNibFile = -10960;
constexpr OSStatus kIBCarbonRuntimeObjectNotOfRequestedType = -10961;
constexpr OSStatus kIBCarbonRuntimeCantFindObject = -10962;

// Interface files: <name>.nib.xml in the main bundle's Contents/Resources. A file that is missing
// or not an interface document cannot be found; a menu bar whose menus or items are malformed is
// not of the requested type.
OSStatus CreateNibReference(CFStringRef inNibName, IBNibRef* outNibRef);
OSStatus SetMenuBarFromNib(IBNibRef inNibRef, CFStringRef inName);
void DisposeNibReference(IBNibRef inNibRef);

// Menus. GetMenu makes a new menu from the 'MENU' resource each time; null when it is missing.
MenuRef GetMenu(SInt16 resourceID);
void DisposeMenu(MenuRef theMenu);
UInt16 CountMenuItems(MenuRef theMenu);

// Items.
void EnableMenuItem(MenuRef theMenu, MenuItemIndex item);
void DisableMenuItem(MenuRef theMenu, MenuItemIndex item);
// Disables every item, not the title.
void DisableAllMenuItems(MenuRef theMenu);
Boolean IsMenuItemEnabled(MenuRef menu, MenuItemIndex item);
void SetMenuItemText(MenuRef theMenu, MenuItemIndex item, ConstStr255Param itemString);

// Command IDs. Enabling by command acts on the first item with the command in the menu, or in
// the whole menu bar when the menu is null.
OSStatus GetMenuItemCommandID(MenuRef inMenu, MenuItemIndex inItem, MenuCommand* outCommandID);
void EnableMenuCommand(MenuRef inMenu, MenuCommand inCommandID);

// The menu bar. InsertMenu appends when beforeID is 0 or not in the bar; a menu already in the
// bar stays where it is.
MenuRef GetMenuHandle(MenuID menuID);
void InsertMenu(MenuRef theMenu, MenuID beforeID);
void DeleteMenu(MenuID menuID);
void ClearMenuBar();
void InvalMenuBar();
void DrawMenuBar();
// Highlights the title of the menu; 0 removes the highlight.
void HiliteMenu(MenuID menuID);

// Choosing: the menu ID in the high word and the item in the low word, 0 when nothing was
// chosen. An item with a command ID first goes to the command handlers as a command event
// (outside modal loops); when a handler or the platform's standard handling takes it, the
// result is 0 too. A non-zero result leaves the menu's title highlighted.
SInt32 MenuSelect(Point startPt);
