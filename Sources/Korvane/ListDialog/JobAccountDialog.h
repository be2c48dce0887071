// The Job Account list dialog (template 1007): creating it, loading the entries, building the
// rows of the page on show and deciding which buttons are active.
#pragma once

#include "Korvane/Shell/GlueRec.h"

enum : short {
    kJAItemHelp = 3,
    kJAItemSave = 4,
    kJAItemList = 7,
    kJAItemNew = 14,
    kJAItemEdit = 15,
    kJAItemDelete = 16,
    kJAItemPreviousPage = 20,
    kJAItemNextPage = 21,
    kJAItemDeleteAll = 22,
    kJAItemStatus = 23,
};
constexpr short kJobAccountDialogID = 1007;
// Shared with the entry editor: the help window, and the stop alert for a list that is full.
constexpr short kHelpWindowDialogID = 132, kListFullAlertID = 1103;
// Characters of the user name shown in the first column, and of the login name in the status line.
constexpr int kJAShownUserNameCharacters = 20;
// The bytes of the first characters of a UTF-8 text: a cut there never falls inside a character.
SInt16 JABytesOfFirstCharacters(const unsigned char* text, SInt16 length, int characters);

OSErr ShowJobAccountDialog(GlueRec* context);
OSErr ReceiveJobAccountDialogsSetting(GlueRec* context);
// Rebuilds the rows from scratch (nothing selected afterwards). 0 or memFullErr.
OSErr SetJobAccountDialogControls(GlueRec* context);
void UpdateJobAccountDialogList(DialogRef dialog, DialogItemIndex item);
void HiliteJobAccountDialogButtons(GlueRec* context);
// Closes the entry editor and the help window. 0.
OSErr TerminateJobAccountDialog(GlueRec* context, DialogRef dialog);
// The row (from 0) of the selected cell; false when nothing is selected or there is no list.
Boolean JASelectedRow(const GlueRec* context, short* row);
