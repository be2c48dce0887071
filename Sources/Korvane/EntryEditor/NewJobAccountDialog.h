// The entry editor (template 1008): one entry typed in (New) or changed (Edit), checked field by
// field, then stored into the list.
#pragma once

#include "Korvane/DataStore/JASetting.h"
#include "Korvane/Shell/GlueRec.h"

struct JAToNewEditRec {
    Boolean isNewEntry;
};

enum : short {
    kEditorItemConfirm = 1,
    kEditorItemCancel = 3,
    kEditorItemHelp = 4,
    kEditorItemLoginName = 8,
    kEditorItemUserName = 9,
    kEditorItemAccountID = 10,
};
constexpr short kEntryEditorDialogID = 1008;

OSErr ShowNewJobAccountDialog(GlueRec* context, const JASetting* entry, const JAToNewEditRec* mode);
OSErr SetNewJobAccountDialogControls(GlueRec* context);
OSErr GetNewJobAccountDialogControls(GlueRec* context, SettingPrivateRec* unused);
void HiliteNewJobAccountDialogButtons(GlueRec* context);
// 0, or the number of the stop alert it showed. An Edit that leaves the login name as listed
// lets it keep spaces, as an import does.
short sampleCheckRange(GlueRec* context);
OSErr SetNewJobAccountDialogsSetting(GlueRec* context);
OSErr NewJobAccountDialogSaveList(GlueRec* context);
// Safe when the editor is not open.
void DisposeNewJobAccountDialog(GlueRec* context);
// The editor's item hits: confirm, cancel, help, and the three fields.
void NewJobAccountDialogItemProc(GlueRec* context, short item);
