// The modeless help window: a topic list beside a scrolling styled text, all from resources.
// Its whole state is one HelpDlgRec, carried as the window's reference constant.
#pragma once

#include "Platform/Controls.h"
#include "Platform/Dialogs.h"
#include "Platform/Lists.h"
#include "Platform/TextEdit.h"

struct HelpDlgRec {
    DialogRef dialog;
    ModalFilterUPP filterUPP;
    ControlActionUPP scrollActionUPP;
    UserItemUPP versionDrawUPP;
    TEHandle textEdit;
    ControlRef scrollBar; // item 3; its value is the number of pixels scrolled
    ListHandle topicList;
    short currentTopic;
    short topicCount;
    Ptr topicTextIDs; // short per row: the ID of the row's 'TEXT' and 'styl'
    Boolean appearanceAvailable;
    Boolean showVersion;
    short dialogID;
};

// The new window, or null on any failure (the window made so far is disposed of).
DialogRef DisplayModelessHelp(short dialogID, short helpID, Boolean showVersion, short secondHelpID,
                              short excludeCount, const short* excludeList);
// True when it handled the event; item 1 in *itemHit for Return, Enter and Escape.
Boolean ModelessHelpDialogFilterProc(DialogRef dialog, EventRecord* event,
                                     DialogItemIndex* itemHit);
// Item 1 closes the window; item 7 prints (nothing).
void ModelessHelpDialogItemProc(DialogRef* dialogRef, short item);
// Harmless on null; always leaves *dialogRef null.
void DisposeModelessHelpDialog(DialogRef* dialogRef);
void PrintModelessHelpDialogList(DialogRef dialog);

// 0, resNotFound without the 'Help' resource, memFullErr when the ID table cannot grow.
OSErr ReadModelessHelpDialogInfo(HelpDlgRec* rec, short helpID, short excludeCount,
                                 const short* excludeList);
OSErr ChangeTheModelessHelpDialogMessage(HelpDlgRec* rec, short topic);
void SetModelessHelpDialogScrollBarStatus(HelpDlgRec* rec);
void ScrollModelessHelpDialogBarAdjustToCurrentControlValue(HelpDlgRec* rec);
void ModelessHelpDialogScrollBarAction(ControlRef control, ControlPartCode part);
void DrawModelessHelpDialogVersion(DialogRef dialog, DialogItemIndex item);
void SetProductNameToModelessHelpDialogTitle(HelpDlgRec* rec);

short GetCurrentLanguageCode();
Boolean CurrentLanguageIsJapanese();
short GetCurrentScriptCode();
