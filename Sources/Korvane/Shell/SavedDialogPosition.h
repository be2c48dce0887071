// The saved positions of the document dialogs: a 'WPOS' resource per dialog, numbered as its
// template, in the resource fork of the application preferences file. A record is made, at
// -1,-1 ("not yet recorded"), when its dialog first opens, and overwritten when it closes. The
// position is only recorded: dialogs open where their templates place them.
#pragma once

#include "Korvane/Shell/GlueRec.h"

constexpr ResType kDialogPositionType = FOUR_CHAR_CODE("WPOS");

// The global position of the dialog's content origin, in the machine's byte order.
struct DialogPositionRec {
    SInt16 top;
    SInt16 left;
};

// Makes sure the record exists, then makes the dialog from its template; null when it cannot.
// Failures of the preferences file do not stop the dialog.
DialogRef GetSavedDialog(GlueRec* context, short dialogID, void* storage, WindowRef behind);

// Records where the dialog is now; a null dialog records nothing.
void SaveTheDialogPosition(GlueRec* context, DialogRef dialog, short dialogID);
