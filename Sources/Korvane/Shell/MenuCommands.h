// Menus by command ID: which commands are enabled for the dialog in front, and what each does.
#pragma once

#include "Korvane/Shell/GlueRec.h"

enum : short {
    kCommandAbout = 1,
    kCommandImport = 10,
    kCommandUndo = 21,
    kCommandSortByLogin = 15,
    kCommandSortByUser = 16,
    kCommandSortByID = 17,
    kCommandCut = 23,
    kCommandCopy = 24,
    kCommandPaste = 25,
    kCommandClear = 26,
    kCommandFind = 28,
    kCommandFindNext = 29,
    kCommandNew = 30,
    kCommandExport = 31,
    kCommandSave = 32,
};
enum : short { kMenuStateList = 0, kMenuStateEditor = 1, kMenuStateOther = 2 };

// True when a menu title changed state (the menu bar is then marked for redrawing).
Boolean AdjustMenus(DialogRef dialog, short state, Boolean assumeTitlesOff);
// 0 for a command with an action, eventNotHandledErr otherwise.
OSStatus DoCommand(GlueRec* context, short command, long menuResult, unsigned long startTicks);
void UnhiliteMenuDelayed(unsigned long startTicks);

// Menu and item of a command from the 'MCMD' resources; true when it is the last of its list,
// standing for every item from there to the end of the menu.
Boolean CommandToIDs(short command, short* menuID, short* item);
void EnableCommand(short command);
void DisableCommand(short command);
void ChangeCommandName(short command, short stringListID, short index);
OSErr MakeMenuBar(GlueRec* context);
void DisposeMenuBar(GlueRec* context);
Boolean HandleCommonMenuCommand(GlueRec* context, long menuResult);
