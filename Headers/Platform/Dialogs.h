// The Dialog Manager: dialogs and alerts made from 'DLOG', 'ALRT' and 'DITL' resources, their
// items, edit fields and modal loops.
#pragma once

#include "Platform/Controls.h"
#include "Platform/Events.h"
#include "Platform/MacWindows.h"

typedef struct OpaqueDialogPtr* DialogRef;
typedef DialogRef DialogPtr;
typedef SInt16 DialogItemIndex;
typedef SInt16 DialogItemType;

// Item kinds (the low seven bits of an item's type byte) and the disabled flag.
constexpr DialogItemType userItem = 0, ctrlItem = 4, btnCtrl = 0, chkCtrl = 1, radCtrl = 2,
                         resCtrl = 3, helpItem = 1, statText = 8, editText = 16, iconItem = 32,
                         picItem = 64, itemDisable = 128;
constexpr DialogItemIndex kStdOkItemIndex = 1, kStdCancelItemIndex = 2;

typedef void (*UserItemProcPtr)(DialogRef theDialog, DialogItemIndex itemNo);
typedef UserItemProcPtr UserItemUPP;
UserItemUPP NewUserItemUPP(UserItemProcPtr userRoutine);
void DisposeUserItemUPP(UserItemUPP userUPP);
void InvokeUserItemUPP(DialogRef theDialog, DialogItemIndex itemNo, UserItemUPP userUPP);

typedef Boolean (*ModalFilterProcPtr)(DialogRef theDialog, EventRecord* theEvent,
                                      DialogItemIndex* itemHit);
typedef ModalFilterProcPtr ModalFilterUPP;
ModalFilterUPP NewModalFilterUPP(ModalFilterProcPtr userRoutine);
void DisposeModalFilterUPP(ModalFilterUPP userUPP);
Boolean InvokeModalFilterUPP(DialogRef theDialog, EventRecord* theEvent, DialogItemIndex* itemHit,
                             ModalFilterUPP userUPP);

// Dialogs. A dialog made from 'DLOG' dialogID and its 'DITL' is a window of kind 2; the
// first edit field holds the focus with its whole text selected. Null when a template is
// missing or damaged; dStorage is not used.
DialogRef GetNewDialog(SInt16 dialogID, void* dStorage, WindowRef behind);
void DisposeDialog(DialogRef theDialog);
WindowRef GetDialogWindow(DialogRef dialog);
DialogRef GetDialogFromWindow(WindowRef window);
CGrafPtr GetDialogPort(DialogRef dialog);
void DrawDialog(DialogRef theDialog);

// Items, numbered from 1. A control item's handle is its ControlRef, a text item's a handle
// of its text bytes, a user item's its UserItemUPP (installed with SetDialogItem).
void GetDialogItem(DialogRef theDialog, DialogItemIndex itemNo, DialogItemType* itemType,
                   Handle* item, Rect* box);
void SetDialogItem(DialogRef theDialog, DialogItemIndex itemNo, DialogItemType itemType,
                   Handle item, const Rect* box);
void GetDialogItemText(Handle item, Str255 text);
// Changes what the dialog shows when the handle is one of its items'.
void SetDialogItemText(Handle item, ConstStr255Param text);
// Makes an edit field current with the given selection, pinned to its text.
void SelectDialogItemText(DialogRef theDialog, DialogItemIndex itemNo, SInt16 strtSel,
                          SInt16 endSel);
OSErr SetDialogDefaultItem(DialogRef theDialog, DialogItemIndex newItem);
OSErr SetDialogCancelItem(DialogRef theDialog, DialogItemIndex newItem);
DialogItemIndex GetDialogKeyboardFocusItem(DialogRef dialog);

// Events. DialogSelect reports an enabled item that the user clicked (a control only when the
// button came up inside it), and the current edit field on every keystroke in it; it draws
// the dialog on update events and gives edit fields their idle time.
Boolean IsDialogEvent(const EventRecord* theEvent);
Boolean DialogSelect(const EventRecord* theEvent, DialogRef* theDialog, DialogItemIndex* itemHit);
// Runs the front dialog modally until an item is hit. Each event goes to modalFilter first;
// then Return and Enter choose the default item, Escape and Command-period the cancel item.
void ModalDialog(ModalFilterUPP modalFilter, DialogItemIndex* itemHit);
// The standard filter: the keys of ModalDialog, for modeless dialogs' own filters.
OSErr GetStdFilterProc(ModalFilterUPP* theProc);

// Edit commands on the current edit field, through the text scrap.
void DialogCut(DialogRef theDialog);
void DialogCopy(DialogRef theDialog);
void DialogPaste(DialogRef theDialog);
void DialogDelete(DialogRef theDialog);

// Alerts from 'ALRT' and 'DITL': the item chosen, or -1 when a template is missing. Return and
// Enter choose the template's default button; Escape chooses the button named "Cancel", else
// item 2 when it is another button, else the only button. ^0 to ^3 in static texts show the
// parameters of ParamText (null leaves one as it is).
void ParamText(ConstStr255Param param0, ConstStr255Param param1, ConstStr255Param param2,
               ConstStr255Param param3);
DialogItemIndex Alert(SInt16 alertID, ModalFilterUPP modalFilter);
DialogItemIndex StopAlert(SInt16 alertID, ModalFilterUPP modalFilter);
DialogItemIndex CautionAlert(SInt16 alertID, ModalFilterUPP modalFilter);
