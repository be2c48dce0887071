#include "Korvane/DataStore/SettingPrivateRec.h"
#include "Korvane/DataStore/SettingsFile.h"
#include "Korvane/EntryEditor/NewJobAccountDialog.h"
#include "Korvane/ListDialog/JobAccountDialog.h"
#include "Korvane/ListDialog/JobAccountDialogActions.h"
#include "Korvane/Shell/ShowAlert.h"

namespace {

// The edited entry takes the place of the one the editor was opened on. Another entry that already
// has the edited login name is overwritten only when the person agrees; declining leaves the list
// exactly as it was.
OSErr ReplaceOriginalEntry(GlueRec* context, SInt16 original) {
    const JASetting& edited = context->settingPrivate->editedEntry;
    const SInt16 other = JAFindLoginName(context, edited.loginName, original);
    if (other >= 0) {
        if (!JAConfirmReplace()) return noErr;
        context->settingPrivate->entries->records[other] = edited;
        return JobAccountDialogDeleteRecord(context, original);
    }
    const OSErr err = JobAccountDialogDeleteRecord(context, original);
    if (err == noErr) JAInsertAtPageStart(context, &edited);
    return err;
}

} // namespace

OSErr NewJobAccountDialogSaveList(GlueRec* context) {
    SettingPrivateRec* setting = context->settingPrivate;
    const SInt16 original =
        setting->isNewEntry ? SInt16(-1) : JAFindEntry(context, &setting->originalEntry);
    // A new entry, or an edited one whose original has gone from the list meanwhile.
    if (original < 0) return JobAccountDialogAppendEntry(context, true, &setting->editedEntry);
    return ReplaceOriginalEntry(context, original);
}

OSErr SetNewJobAccountDialogsSetting(GlueRec* context) {
    OSErr err = NewJobAccountDialogSaveList(context);
    if (err == noErr) err = SaveJASettingToJATemp(context);
    if (err != noErr) {
        ShowAlert(context, err);
        return err;
    }
    if (const OSErr readErr = JobAccountDialogReadFromTemporary(context))
        ShowAlert(context, readErr);
    err = SetJobAccountDialogControls(context);
    if (err != noErr) ShowAlert(context, err);
    HiliteJobAccountDialogButtons(context);
    return err;
}
