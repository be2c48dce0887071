#include "Korvane/EntryEditor/NewJobAccountDialog.h"

#include "Korvane/DataStore/SettingPrivateRec.h"
#include "Korvane/Shell/MenuCommands.h"
#include "Korvane/Shell/SavedDialogPosition.h"
#include "MorrowCommon_2/MyControlHilite.h"
#include "MorrowCommon_2/MyDialogItems.h"
#include "MorrowCommon_2/MyPStrings.h"
#include "Platform/MacErrors.h"

namespace {

const WindowRef kInFrontOfAll = reinterpret_cast<WindowRef>(-1);

} // namespace

OSErr ShowNewJobAccountDialog(GlueRec* context, const JASetting* entry,
                              const JAToNewEditRec* mode) {
    SettingPrivateRec* setting = context->settingPrivate;
    DialogRef dialog = GetSavedDialog(context, kEntryEditorDialogID, nullptr, kInFrontOfAll);
    setting->newEditDialog = dialog;
    if (!dialog) return resNotFound;
    setting->isNewEntry = mode->isNewEntry;
    // An Edit replaces the entry as it is now, wherever it is when the edit is confirmed.
    setting->originalEntry = *entry;
    setting->referenceEntry = *entry;
    setting->editedEntry = *entry;
    const OSErr err = SetNewJobAccountDialogControls(context);
    if (err != noErr) return err;
    WindowRef window = GetDialogWindow(dialog);
    SetWRefCon(window, reinterpret_cast<SRefCon>(context));
    SetDialogDefaultItem(dialog, kEditorItemConfirm);
    SetDialogCancelItem(dialog, kEditorItemCancel);
    HiliteNewJobAccountDialogButtons(context);
    MySelectWholeText(dialog, kEditorItemLoginName);
    ShowWindow(window);
    DrawDialog(dialog);
    return noErr;
}

OSErr SetNewJobAccountDialogControls(GlueRec* context) {
    SettingPrivateRec* setting = context->settingPrivate;
    DialogRef dialog = setting->newEditDialog;
    setting->editedEntry = setting->referenceEntry;
    MySetIText(dialog, kEditorItemLoginName, setting->editedEntry.loginName);
    MySetIText(dialog, kEditorItemUserName, setting->editedEntry.userName);
    MySetIText(dialog, kEditorItemAccountID, setting->editedEntry.accountID);
    AdjustMenus(dialog, kMenuStateEditor, false);
    return noErr;
}

OSErr GetNewJobAccountDialogControls(GlueRec* context, SettingPrivateRec*) {
    SettingPrivateRec* setting = context->settingPrivate;
    DialogRef dialog = setting->newEditDialog;
    MyGetIText(dialog, kEditorItemLoginName, setting->editedEntry.loginName);
    MyGetIText(dialog, kEditorItemUserName, setting->editedEntry.userName);
    MyGetIText(dialog, kEditorItemAccountID, setting->editedEntry.accountID);
    return noErr;
}

void HiliteNewJobAccountDialogButtons(GlueRec* context) {
    SettingPrivateRec* setting = context->settingPrivate;
    GetNewJobAccountDialogControls(context, setting);
    if (SameJAFields(&setting->editedEntry, &setting->referenceEntry))
        MySetControlInactive(setting->newEditDialog, kEditorItemConfirm);
    else
        MySetControlActive(setting->newEditDialog, kEditorItemConfirm);
}

void DisposeNewJobAccountDialog(GlueRec* context) {
    AdjustMenus(context->jobAccountDialog, kMenuStateList, false);
    SettingPrivateRec* setting = context->settingPrivate;
    if (!setting || !setting->newEditDialog) return;
    SaveTheDialogPosition(context, setting->newEditDialog, kEntryEditorDialogID);
    DisposeDialog(setting->newEditDialog);
    setting->newEditDialog = nullptr;
}
