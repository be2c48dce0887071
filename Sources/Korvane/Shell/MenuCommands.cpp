#include "Korvane/Shell/MenuCommands.h"

#include "Korvane/DataStore/JAPages.h"
#include "Korvane/DataStore/SettingPrivateRec.h"
#include "Korvane/DataStore/UndoHistory.h"
#include "Korvane/EntryEditor/NewJobAccountDialog.h"
#include "Korvane/ImportExport/Export.h"
#include "Korvane/ImportExport/Import.h"
#include "Korvane/ListDialog/FindDialog.h"
#include "Korvane/ListDialog/JobAccountDialog.h"
#include "Korvane/ListDialog/JobAccountDialogActions.h"
#include "Korvane/ListDialog/SortJAList.h"
#include "Korvane/Shell/GetStringFromPlist.h"
#include "Korvane/Shell/Globals.h"
#include "Korvane/Shell/ShowAlert.h"
#include "MorrowCommon_2/MyControlHilite.h"
#include "Platform/Events.h"
#include "Platform/MacMemory.h"
#include "Platform/Resources.h"

#include <initializer_list>

namespace {

constexpr MenuID kFirstMenu = 128, kLastMenu = 131, kEditMenuID = 130;
constexpr ResType kCommandListType = FOUR_CHAR_CODE("MCMD");
constexpr short kAboutAlert = 131;
constexpr unsigned char kEmpty[1] = {0};

bool MenuHasEnabledItem(MenuRef menu) {
    for (MenuItemIndex item = 1; item <= CountMenuItems(menu); ++item)
        if (IsMenuItemEnabled(menu, item)) return true;
    return false;
}

void EnableCommands(std::initializer_list<MenuCommand> commands) {
    for (MenuCommand command : commands)
        EnableMenuCommand(nullptr, command);
}

// What the list's button does, when it is active.
void PressListButton(GlueRec* context, short item) {
    DialogRef list = context->jobAccountDialog;
    if (list == nullptr || MyGetControlHilite(list, item) != kControlNoPart) return;
    JobAccountDialogItemProc(context, list, item);
}

void UndoInList(GlueRec* context) {
    if (context->jobAccountDialog == nullptr) return;
    OSErr err = UndoListChange(context);
    FitJAPageToEntries(context->settingPrivate);
    if (err == noErr) err = SetJobAccountDialogControls(context);
    HiliteJobAccountDialogButtons(context);
    if (err != noErr) ShowAlert(context, err);
}

void ShowAboutAlert() {
    Str255 name, information;
    getPStringFromPlist(name, CFSTR("CFBundleName"));
    getPStringFromPlist(information, CFSTR("CFBundleGetInfoString"));
    ParamText(name, information, kEmpty, kEmpty);
    Alert(kAboutAlert, nullptr);
    ParamText(kEmpty, kEmpty, kEmpty, kEmpty);
}

// Enables or disables the command's item, or, for the last command of a list, every item from
// there to the end of its menu.
void SetCommandEnabled(short command, bool enable) {
    short menuID = 0, item = 0;
    Boolean toEnd = CommandToIDs(command, &menuID, &item);
    if (item == 0) return;
    MenuRef menu = GetMenuHandle(menuID);
    if (menu == nullptr) return;
    MenuItemIndex last = toEnd ? CountMenuItems(menu) : MenuItemIndex(item);
    for (MenuItemIndex i = MenuItemIndex(item); i <= last; ++i) {
        if (enable)
            EnableMenuItem(menu, i);
        else
            DisableMenuItem(menu, i);
    }
}

} // namespace

Boolean AdjustMenus(DialogRef, short state, Boolean assumeTitlesOff) {
    bool titleWasOn[kLastMenu - kFirstMenu + 1] = {};
    for (MenuID id = kFirstMenu; id <= kLastMenu; ++id) {
        MenuRef menu = GetMenuHandle(id);
        if (menu == nullptr) continue;
        titleWasOn[id - kFirstMenu] = !assumeTitlesOff && IsMenuItemEnabled(menu, 0);
        DisableAllMenuItems(menu);
    }
    EnableCommands({kCommandAbout, 2, 12}); // Quit, in both menus
    if (state == kMenuStateList) {
        EnableCommands({kCommandNew, kCommandImport, kCommandExport, 33, kCommandSortByLogin,
                        kCommandSortByUser, kCommandSortByID, kCommandFind, kCommandFindNext});
        if (SAVE_BUTTON_Flag) EnableCommand(kCommandSave);
        if (CanUndoListChange()) EnableCommand(kCommandUndo);
    } else if (state == kMenuStateEditor) {
        EnableCommands({kCommandCut, kCommandCopy, kCommandPaste, kCommandClear});
    }
    Boolean changed = false;
    for (MenuID id = kFirstMenu; id <= kLastMenu; ++id) {
        MenuRef menu = GetMenuHandle(id);
        if (menu == nullptr) continue;
        if (MenuHasEnabledItem(menu)) EnableMenuItem(menu, 0);
        if (IsMenuItemEnabled(menu, 0) != titleWasOn[id - kFirstMenu]) changed = true;
    }
    if (changed) InvalMenuBar();
    return changed;
}

OSStatus DoCommand(GlueRec* context, short command, long, unsigned long startTicks) {
    DialogRef front = GetDialogFromWindow(FrontWindow());
    OSStatus result = noErr;
    switch (command) {
    case kCommandAbout:
        ShowAboutAlert();
        break;
    case kCommandImport:
        ImportFunc(context);
        break;
    case kCommandNew:
    case kCommandSave:
        PressListButton(context, command == kCommandNew ? kJAItemNew : kJAItemSave);
        break;
    case kCommandExport:
        ExportFunc(context);
        break;
    case kCommandUndo:
        UndoInList(context);
        break;
    case kCommandSortByLogin:
    case kCommandSortByUser:
    case kCommandSortByID:
        Sort_JA_List(context, short(command - kCommandSortByLogin + kSortByLogin));
        break;
    case kCommandFind:
        FindJAEntry(context);
        break;
    case kCommandFindNext:
        FindNextJAEntry(context);
        break;
    case kCommandCut:
        DialogCut(front);
        break;
    case kCommandCopy:
        DialogCopy(front);
        break;
    case kCommandPaste:
        DialogPaste(front);
        break;
    case kCommandClear:
        DialogDelete(front);
        break;
    default:
        result = eventNotHandledErr;
    }
    // The edit commands change the editor's fields without an item hit.
    if (command >= kCommandCut && command <= kCommandClear && context->settingPrivate &&
        front != nullptr && front == context->settingPrivate->newEditDialog)
        HiliteNewJobAccountDialogButtons(context);
    UnhiliteMenuDelayed(startTicks);
    return result;
}

void UnhiliteMenuDelayed(unsigned long startTicks) {
    if (startTicks != 0) {
        unsigned long passed = TickCount() - startTicks;
        if (passed < 2) {
            UInt32 finalTicks;
            Delay(2 - passed, &finalTicks);
        }
    }
    HiliteMenu(0);
}

Boolean CommandToIDs(short command, short* menuID, short* item) {
    Boolean last = false;
    for (short id = kFirstMenu; id <= kLastMenu; ++id) {
        Handle list = Get1Resource(kCommandListType, id);
        if (list == nullptr) continue;
        const SInt16* numbers = reinterpret_cast<const SInt16*>(*list);
        SInt16 count = numbers[0];
        for (SInt16 i = 1; i <= count; ++i) {
            if (numbers[i] != command) continue;
            *menuID = id;
            *item = i;
            last = i == count;
        }
    }
    return last;
}

void EnableCommand(short command) {
    SetCommandEnabled(command, true);
}

void DisableCommand(short command) {
    SetCommandEnabled(command, false);
}

void ChangeCommandName(short command, short stringListID, short index) {
    short menuID = 0, item = 0;
    CommandToIDs(command, &menuID, &item);
    MenuRef menu = item != 0 ? GetMenuHandle(menuID) : nullptr;
    if (menu == nullptr) return;
    Str255 text;
    GetIndString(text, stringListID, index);
    SetMenuItemText(menu, MenuItemIndex(item), text);
}

OSErr MakeMenuBar(GlueRec* context) {
    context->editMenu = GetMenu(kEditMenuID);
    if (context->editMenu != nullptr) {
        InsertMenu(context->editMenu, 0);
        DisableMenuItem(context->editMenu, 21);
    }
    DrawMenuBar();
    return noErr;
}

void DisposeMenuBar(GlueRec* context) {
    DeleteMenu(kFirstMenu);
    if (context->menuBar != nullptr) {
        DisposeHandle(context->menuBar);
        context->menuBar = nullptr;
    }
    DrawMenuBar();
}

Boolean HandleCommonMenuCommand(GlueRec*, long menuResult) {
    HiliteMenu(0);
    return (menuResult >> 16) != 129;
}
