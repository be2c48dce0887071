// The state record of the list dialog and the entry editor, allocated zero-filled with the
// dialog. The dialog handles stay opaque until the dialog platform exists.
#pragma once

#include "Korvane/DataStore/JASetting.h"
#include "Platform/Dialogs.h"
#include "Platform/Lists.h"

struct SettingPrivateRec {
    ListHandle theList;
    UserItemUPP listDrawProc;
    SInt16 pageCount;  // 1 to 5 pages of kJAEntriesPerPage
    SInt16 firstShown; // 1-based number of the first entry on the page shown
    SInt16 lastShown;  // 1-based number of the last entry shown; 0 when the list is empty
    JASettingBlock* entries;
    JASettingBlock* importEntries;
    DialogPtr newEditDialog;
    Boolean isNewEntry;
    JASetting referenceEntry;
    JASetting editedEntry;
    // The entry an Edit was opened on, as it was then: the one the confirmed edit replaces.
    JASetting originalEntry;
    DialogPtr helpDialog;
    Str255 findText;  // what Find looked for last; Find Next looks for it again
    Str255 typedText; // the start of a user name typed in the list, and when its last key came
    UInt32 typedTicks;
    Boolean savedThisRun; // a Save of this run's holds the list (the status line says "Saved")
};
