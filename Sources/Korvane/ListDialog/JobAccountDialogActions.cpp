#include "Korvane/ListDialog/JobAccountDialogActions.h"

#include "Korvane/DataStore/JAPages.h"
#include "Korvane/DataStore/JAPrefs.h"
#include "Korvane/DataStore/LoginNames.h"
#include "Korvane/DataStore/SettingPrivateRec.h"
#include "Korvane/DataStore/SettingsFile.h"
#include "Korvane/DataStore/UndoHistory.h"
#include "Korvane/EntryEditor/NewJobAccountDialog.h"
#include "Korvane/ListDialog/JobAccountDialog.h"
#include "Korvane/Shell/Globals.h"
#include "Korvane/Shell/ShowAlert.h"
#include "MorrowCommon_2/ModelessHelpDialog.h"
#include "MorrowCommon_2/MyPStrings.h"
#include "MorrowCommon_2/SaveAndRestoreTheGrafPortClass.h"
#include "Platform/Script.h"

#include <cstdio>
#include <cstring>

namespace {

constexpr short kDeleteAllAlert = 1012, kReplaceAlert = 1011;

// The login name of the person running the program, as "whoami" prints it.
void CurrentLoginName(Str255 name) {
    name[0] = 0;
    FILE* pipe = popen("whoami", "r");
    if (pipe == nullptr) return;
    char line[129] = {};
    if (std::fgets(line, sizeof line, pipe) != nullptr) {
        size_t length = std::strcspn(line, " \r\n");
        name[0] = (unsigned char)length;
        std::memcpy(name + 1, line, length);
    }
    pclose(pipe);
}

void OpenEditor(GlueRec* context, const JASetting* entry, Boolean isNewEntry) {
    JAToNewEditRec mode = {isNewEntry};
    OSErr err = ShowNewJobAccountDialog(context, entry, &mode);
    if (err != noErr) {
        DisposeNewJobAccountDialog(context);
        ShowAlert(context, err);
    }
}

void NewEntry(GlueRec* context) {
    JASetting proposed = {};
    CurrentLoginName(proposed.loginName);
    MyPStrCopy(proposed.loginName, proposed.userName);
    OpenEditor(context, &proposed, true);
}

void EditEntry(GlueRec* context, short row) {
    JASetting entry =
        context->settingPrivate->entries->records[JARecordIndexOfRow(context->settingPrivate, row)];
    OpenEditor(context, &entry, false);
}

void ShowAlertIfFailed(GlueRec* context, OSErr err) {
    if (err != noErr) ShowAlert(context, err);
}

void DeleteEntry(GlueRec* context, short row) {
    JobAccountDialogDeleteFromList(context, true, row);
    ShowAlertIfFailed(context, SaveJASettingToJATemp(context));
    ShowAlertIfFailed(context, JobAccountDialogReadFromTemporary(context));
    ShowAlertIfFailed(context, SetJobAccountDialogControls(context));
}

void TurnPage(GlueRec* context, bool forward) {
    SettingPrivateRec* setting = context->settingPrivate;
    SInt16 count = setting->entries->entryCount;
    if (forward && setting->firstShown + kJAEntriesPerPage <= count)
        setting->firstShown += kJAEntriesPerPage;
    else if (!forward && setting->firstShown > 1)
        setting->firstShown -= kJAEntriesPerPage;
    setting->lastShown = JALastShown(setting->firstShown, count);
    SetJobAccountDialogControls(context);
}

void DeleteAllEntries(GlueRec* context) {
    SettingPrivateRec* setting = context->settingPrivate;
    LDelRow(0, 0, setting->theList);
    SAVE_BUTTON_Flag = true;
    FSSpec spec;
    const FSSpec& temp = context->tempFileSpec;
    OSErr err = FSMakeFSSpec(temp.vRefNum, temp.parID, kWorkingCopyName, &spec);
    if (err != noErr && err != fnfErr) return;
    RememberListBeforeChange(context);
    FSpRstFLock(&spec);
    FSpDelete(&spec);
    if (FSpCreate(&spec, FOUR_CHAR_CODE("????"), FOUR_CHAR_CODE("TEXT"), smSystemScript) != noErr)
        return;
    setting->entries->entryCount = 0;
    ShowFirstJAPage(setting);
    SetJobAccountDialogControls(context);
}

// Save stays enabled while the job-accounting file is behind the working copy: after a refused
// right, and after a failed commit too, so that quitting still asks before the changes go.
void Save(GlueRec* context) {
    OSErr err = CopyFromTemporaryToJAPrefs(context);
    ShowAlertIfFailed(context, err);
    if (AUTH_CREATEL_Flag) {
        AUTH_CREATEL_Flag = false;
        if (err == noErr) SAVE_BUTTON_Flag = false;
        if (err == noErr) context->settingPrivate->savedThisRun = true;
        if (err == noErr) ForgetListChanges();
    }
}

void OpenHelp(GlueRec* context) {
    SettingPrivateRec* setting = context->settingPrivate;
    if (setting->helpDialog != nullptr) {
        SelectWindow(GetDialogWindow(setting->helpDialog));
        return;
    }
    setting->helpDialog =
        DisplayModelessHelp(kHelpWindowDialogID, kJobAccountDialogID, false, 0, 0, nullptr);
    if (setting->helpDialog == nullptr) ShowAlert(context, resNotFound);
}

void ListDialogItem(GlueRec* context, short item) {
    switch (item) {
    case kJAItemHelp:
        OpenHelp(context);
        return;
    case kJAItemNew:
        if (context->settingPrivate->entries->entryCount >= kJAMaxEntries) {
            StopAlert(kListFullAlertID, nullptr);
            return;
        }
        break;
    case kJAItemDeleteAll:
        if (CautionAlert(kDeleteAllAlert, nullptr) != 2) return;
        break;
    case kJAItemSave:
    case kJAItemEdit:
    case kJAItemDelete:
    case kJAItemPreviousPage:
    case kJAItemNextPage:
        break;
    case kJAItemList:
        HiliteJobAccountDialogButtons(context);
        return;
    default:
        return;
    }
    HandleJobAccountDialogButtons(context, item);
    HiliteJobAccountDialogButtons(context);
}

} // namespace

void JobAccountDialogItemProc(GlueRec* context, DialogRef dialog, short item) {
    SaveAndRestoreTheGrafPortClass port(GetDialogPort(dialog));
    SettingPrivateRec* setting = context->settingPrivate;
    if (dialog == context->jobAccountDialog && setting != nullptr)
        ListDialogItem(context, item);
    else if (setting != nullptr && dialog == setting->newEditDialog)
        NewJobAccountDialogItemProc(context, item);
    else if (setting != nullptr && dialog == setting->helpDialog)
        ModelessHelpDialogItemProc(&setting->helpDialog, item);
}

OSErr HandleJobAccountDialogButtons(GlueRec* context, short button) {
    if (context->settingPrivate == nullptr) return noErr;
    short row;
    Boolean selected = JASelectedRow(context, &row);
    switch (button) {
    case kJAItemSave:
        Save(context);
        break;
    case kJAItemNew:
        NewEntry(context);
        break;
    case kJAItemEdit:
        if (selected) EditEntry(context, row);
        break;
    case kJAItemDelete:
        if (selected) DeleteEntry(context, row);
        break;
    case kJAItemPreviousPage:
    case kJAItemNextPage:
        TurnPage(context, button == kJAItemNextPage);
        break;
    case kJAItemDeleteAll:
        DeleteAllEntries(context);
        break;
    }
    return noErr;
}

Boolean JAConfirmReplace() {
    GrafPtr current;
    GetPort(&current);
    SaveAndRestoreTheGrafPortClass port(current);
    return CautionAlert(kReplaceAlert, nullptr) == 1;
}

SInt16 JAFindLoginName(const GlueRec* context, ConstStr255Param loginName, SInt16 skipIndex) {
    const JASettingBlock* block = context->settingPrivate->entries;
    for (SInt16 i = 0; i < block->entryCount; ++i)
        if (i != skipIndex && SameLoginName(block->records[i].loginName, loginName)) return i;
    return -1;
}

SInt16 JAFindEntry(const GlueRec* context, const JASetting* entry) {
    const JASettingBlock* block = context->settingPrivate->entries;
    for (SInt16 i = 0; i < block->entryCount; ++i)
        if (SameJAFields(&block->records[i], entry)) return i;
    return -1;
}

void JAInsertAtPageStart(GlueRec* context, const JASetting* entry) {
    SettingPrivateRec* setting = context->settingPrivate;
    JASettingBlock* block = setting->entries;
    SInt16 at = SInt16(setting->firstShown - 1);
    std::memmove(&block->records[at + 1], &block->records[at],
                 sizeof(JASetting) * size_t(block->entryCount - at));
    block->records[at] = *entry;
    block->entryCount++;
    FitJAPageToEntries(setting);
}

OSErr JobAccountDialogAppendEntry(GlueRec* context, Boolean doIt, const JASetting* entry) {
    if (doIt) {
        SInt16 existing = JAFindLoginName(context, entry->loginName);
        if (existing >= 0) {
            if (JAConfirmReplace()) context->settingPrivate->entries->records[existing] = *entry;
            return noErr;
        }
        JAInsertAtPageStart(context, entry);
    }
    HiliteJobAccountDialogButtons(context);
    return noErr;
}

OSErr JobAccountDialogDeleteRecord(GlueRec* context, SInt16 recordIndex) {
    SettingPrivateRec* setting = context->settingPrivate;
    JASettingBlock* block = setting->entries;
    if (recordIndex < 0 || recordIndex >= block->entryCount) return noErr;
    if (setting->firstShown > 1 && block->entryCount == setting->firstShown)
        setting->firstShown -= kJAEntriesPerPage;
    std::memmove(&block->records[recordIndex], &block->records[recordIndex + 1],
                 sizeof(JASetting) * size_t(block->entryCount - recordIndex - 1));
    block->entryCount--;
    FitJAPageToEntries(setting);
    return noErr;
}

OSErr JobAccountDialogDeleteFromList(GlueRec* context, Boolean doIt, short row) {
    if (!doIt) return noErr;
    return JobAccountDialogDeleteRecord(context, JARecordIndexOfRow(context->settingPrivate, row));
}
