#include "Korvane/EntryEditor/NewJobAccountDialogCheck.h"

#include "Korvane/DataStore/JAFieldRules.h"
#include "Korvane/DataStore/LoginNames.h"
#include "Korvane/DataStore/SettingPrivateRec.h"
#include "Korvane/EntryEditor/NewJobAccountDialog.h"

short FirstBrokenEntryRule(const JASetting& entry, bool spaceInLoginName) {
    if (entry.loginName[0] == 0) return kCheckAlertLoginNameEmpty;
    if (JAHasForbiddenByte(entry.loginName, !spaceInLoginName)) return kCheckAlertLoginNameBytes;
    if (!JAAccountIDValid(entry.accountID)) return kCheckAlertAccountID;
    if (entry.userName[0] > kJAMaxUserNameBytes) return kCheckAlertUserNameTooLong;
    if (JAHasForbiddenByte(entry.userName, false)) return kCheckAlertUserNameBytes;
    return 0;
}

short FieldOfCheckAlert(short alert) {
    switch (alert) {
    case kCheckAlertLoginNameEmpty:
    case kCheckAlertLoginNameBytes:
        return kEditorItemLoginName;
    case kCheckAlertUserNameTooLong:
    case kCheckAlertUserNameBytes:
        return kEditorItemUserName;
    default:
        return kEditorItemAccountID;
    }
}

short sampleCheckRange(GlueRec* context) {
    const SettingPrivateRec* setting = context->settingPrivate;
    // An edit that keeps the login name as listed lets it keep what an import let in.
    const bool keptLogin = !setting->isNewEntry && SameLoginName(setting->editedEntry.loginName,
                                                                 setting->originalEntry.loginName);
    const short alert = FirstBrokenEntryRule(setting->editedEntry, keptLogin);
    if (alert != 0) StopAlert(alert, nullptr);
    return alert;
}
