#include "Korvane/ListDialog/FindDialog.h"

#include "Korvane/DataStore/JAPages.h"
#include "Korvane/DataStore/SettingPrivateRec.h"
#include "Korvane/ListDialog/JASelectRecord.h"
#include "Korvane/ListDialog/JATextSearch.h"
#include "Korvane/ListDialog/JobAccountDialog.h"
#include "Korvane/Shell/ShowAlert.h"
#include "MorrowCommon_2/MyDialogItems.h"
#include "MorrowCommon_2/SaveAndRestoreTheGrafPortClass.h"
#include "Platform/Resources.h"

namespace {

constexpr short kFindDialogID = 1015, kFindStringsID = 133, kNoMatchString = 1;
enum : short { kFindItemFind = 1, kFindItemCancel = 2, kFindItemText = 4, kFindItemNoMatch = 5 };

class ScopedDialog {
  public:
    explicit ScopedDialog(short dialogID)
        : dialog_(GetNewDialog(dialogID, nullptr, WindowRef(-1))) {}
    ~ScopedDialog() {
        if (dialog_ != nullptr) DisposeDialog(dialog_);
    }
    ScopedDialog(const ScopedDialog&) = delete;
    ScopedDialog& operator=(const ScopedDialog&) = delete;
    DialogRef get() const { return dialog_; }

  private:
    DialogRef dialog_;
};

// The search goes on after the selected entry, or from the top of the page shown.
SInt16 SearchAfter(const GlueRec* context) {
    const SettingPrivateRec* setting = context->settingPrivate;
    short row;
    if (JASelectedRow(context, &row)) return JARecordIndexOfRow(setting, row);
    return SInt16(setting->firstShown - 2);
}

// False, with a beep, when no entry holds the text.
Boolean FindFromSelection(GlueRec* context) {
    SettingPrivateRec* setting = context->settingPrivate;
    SInt16 found = JAFindText(setting->entries, setting->findText, SearchAfter(context));
    if (found < 0) {
        SysBeep(1);
        return false;
    }
    OSErr err = JASelectRecord(context, found);
    if (err != noErr) ShowAlert(context, err);
    return true;
}

void ShowNoMatch(DialogRef dialog, Boolean shown) {
    Str255 text = {0};
    if (shown) GetIndString(text, kFindStringsID, kNoMatchString);
    MySetIText(dialog, kFindItemNoMatch, text);
}

} // namespace

void FindJAEntry(GlueRec* context) {
    if (context->settingPrivate == nullptr) return;
    GrafPtr current;
    GetPort(&current);
    SaveAndRestoreTheGrafPortClass port(current);
    ScopedDialog find(kFindDialogID);
    DialogRef dialog = find.get();
    if (dialog == nullptr) {
        ShowAlert(context, resNotFound);
        return;
    }
    SetDialogDefaultItem(dialog, kFindItemFind);
    SetDialogCancelItem(dialog, kFindItemCancel);
    MySetIText(dialog, kFindItemText, context->settingPrivate->findText);
    MySelectWholeText(dialog, kFindItemText);
    for (DialogItemIndex item = 0; item != kFindItemCancel;) {
        ModalDialog(nullptr, &item);
        if (item == kFindItemText) ShowNoMatch(dialog, false);
        if (item != kFindItemFind) continue;
        MyGetIText(dialog, kFindItemText, context->settingPrivate->findText);
        if (FindFromSelection(context)) return;
        ShowNoMatch(dialog, true);
    }
}

void FindNextJAEntry(GlueRec* context) {
    if (context->settingPrivate == nullptr) return;
    if (context->settingPrivate->findText[0] == 0)
        FindJAEntry(context);
    else
        FindFromSelection(context);
}
