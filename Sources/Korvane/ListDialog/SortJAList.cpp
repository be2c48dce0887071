#include "Korvane/ListDialog/SortJAList.h"

#include "Korvane/DataStore/JAPages.h"
#include "Korvane/DataStore/SettingPrivateRec.h"
#include "Korvane/DataStore/SettingsFile.h"
#include "Korvane/ListDialog/JobAccountDialog.h"
#include "Korvane/ListDialog/SortJAEntries.h"
#include "Korvane/Shell/ShowAlert.h"
#include "MorrowCommon_2/MyPStrings.h"
#include "Platform/MacErrors.h"

namespace {

const JASetting* EntryOf(const void* record) {
    return static_cast<const JASetting*>(record);
}

// Shows a failure and passes it on.
OSErr Shown(GlueRec* context, OSErr err) {
    if (err != noErr) ShowAlert(context, err);
    return err;
}

} // namespace

OSErr Sort_JA_List(GlueRec* context, short method) {
    SettingPrivateRec* setting = context->settingPrivate;
    if (!setting || !setting->entries) return Shown(context, paramErr);
    SortJAEntries(setting->entries, method);
    OSErr err = SaveJASettingToJATemp(context);
    if (err == noErr) err = JobAccountDialogReadFromTemporary(context);
    if (err != noErr) return Shown(context, err);
    ShowFirstJAPage(setting);
    err = SetJobAccountDialogControls(context);
    if (err == noErr) HiliteJobAccountDialogButtons(context);
    return Shown(context, err);
}

int compare_login(const void* a, const void* b) {
    return CompareLikeTheFinder(EntryOf(a)->loginName, EntryOf(b)->loginName, nullptr);
}

int compare_user(const void* a, const void* b) {
    return CompareLikeTheFinder(EntryOf(a)->userName, EntryOf(b)->userName, nullptr);
}

// By length first, then by the digits: ascending numeric order for IDs without leading zeros.
int compare_id(const void* a, const void* b) {
    ConstStr255Param idA = EntryOf(a)->accountID, idB = EntryOf(b)->accountID;
    if (idA[0] != idB[0]) return idA[0] < idB[0] ? -1 : 1;
    return MyPStrCompare(idA, idB);
}
