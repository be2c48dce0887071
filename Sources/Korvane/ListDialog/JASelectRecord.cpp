#include "Korvane/ListDialog/JASelectRecord.h"

#include "Korvane/DataStore/JAPages.h"
#include "Korvane/ListDialog/JobAccountDialog.h"

void JASelectListRow(ListHandle list, SInt16 row, Boolean on) {
    SInt16 columns = (*list)->dataBounds.right;
    for (SInt16 column = 0; column < columns; ++column)
        LSetSelect(on, Cell{row, column}, list);
}

OSErr JASelectRecord(GlueRec* context, SInt16 recordIndex) {
    SettingPrivateRec* setting = context->settingPrivate;
    SInt16 firstShown = SInt16(recordIndex / kJAEntriesPerPage * kJAEntriesPerPage + 1);
    if (firstShown != setting->firstShown) {
        setting->firstShown = firstShown;
        FitJAPageToEntries(setting);
        OSErr err = SetJobAccountDialogControls(context);
        if (err != noErr) return err;
    }
    short row;
    if (JASelectedRow(context, &row)) JASelectListRow(setting->theList, row, false);
    JASelectListRow(setting->theList, SInt16(recordIndex - firstShown + 1), true);
    LAutoScroll(setting->theList);
    HiliteJobAccountDialogButtons(context);
    return noErr;
}
