#include "Korvane/DataStore/SettingPrivateRec.h"
#include "Korvane/EntryEditor/NewJobAccountDialog.h"
#include "Korvane/EntryEditor/NewJobAccountDialogCheck.h"
#include "Korvane/ListDialog/JobAccountDialog.h"
#include "Korvane/Shell/ShowAlert.h"
#include "MorrowCommon_2/ModelessHelpDialog.h"
#include "MorrowCommon_2/MyDialogItems.h"
#include "Platform/MacErrors.h"

namespace {

void CloseEditor(GlueRec* context) {
    DisposeNewJobAccountDialog(context);
    HiliteJobAccountDialogButtons(context);
}

void ConfirmEntry(GlueRec* context) {
    SettingPrivateRec* setting = context->settingPrivate;
    if (setting->isNewEntry && setting->entries->entryCount >= kJAMaxEntries) {
        StopAlert(kListFullAlertID, nullptr);
        CloseEditor(context);
        return;
    }
    // The fields as they stand, also after an edit command that reported no item hit.
    GetNewJobAccountDialogControls(context, setting);
    if (const short alert = sampleCheckRange(context)) {
        // The refused values become the reference: the button goes inactive at the next
        // change that leaves them as they are.
        setting->referenceEntry = setting->editedEntry;
        MySelectWholeText(setting->newEditDialog, FieldOfCheckAlert(alert));
        return;
    }
    SetNewJobAccountDialogsSetting(context); // shows its own failures
    CloseEditor(context);
}

// One help window at a time: an older one would be left without anyone to close it.
void OpenEditorHelp(GlueRec* context) {
    SettingPrivateRec* setting = context->settingPrivate;
    DisposeModelessHelpDialog(&setting->helpDialog);
    setting->helpDialog =
        DisplayModelessHelp(kHelpWindowDialogID, kEntryEditorDialogID, false, 0, 0, nullptr);
    if (!setting->helpDialog) ShowAlert(context, resNotFound);
}

} // namespace

void NewJobAccountDialogItemProc(GlueRec* context, short item) {
    switch (item) {
    case kEditorItemConfirm:
        ConfirmEntry(context);
        break;
    case kEditorItemCancel:
        CloseEditor(context);
        break;
    case kEditorItemHelp:
        OpenEditorHelp(context);
        break;
    case kEditorItemLoginName:
    case kEditorItemUserName:
    case kEditorItemAccountID:
        HiliteNewJobAccountDialogButtons(context);
        break;
    default:
        break;
    }
}
