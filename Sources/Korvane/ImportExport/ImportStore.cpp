// Parsing, checking and duplicate marking of the staged entries, with the alerts that report them.
#include "Korvane/DataStore/JAFieldRules.h"
#include "Korvane/DataStore/SettingPrivateRec.h"
#include "Korvane/ImportExport/Import.h"
#include "Korvane/ImportExport/ImportDuplicates.h"
#include "Korvane/ImportExport/ImportParse.h"
#include "Platform/Dialogs.h"

namespace {

// The entry editor's rules, but a login name may hold spaces.
Boolean BreaksARule(const JASetting& slot) {
    if (slot.loginName[0] == 0 || JAHasForbiddenByte(slot.loginName, false)) return true;
    if (!JAAccountIDValid(slot.accountID)) return true;
    return slot.userName[0] > kJAMaxUserNameBytes || JAHasForbiddenByte(slot.userName, false);
}

} // namespace

OSErr Store_to_TemporaryInfo_at_ImportFunc(GlueRec* context) {
    SettingPrivateRec* setting = context->settingPrivate;
    JASettingBlock* staged = setting->importEntries;
    const SInt16 incomplete = ParseImportText(reinterpret_cast<const UInt8*>(staged->importText),
                                              staged->importTextLength, staged);
    const SInt16 invalid = SampleCheckRange_at_ImportFunc(context);
    if (invalid == staged->entryCount)
        StopAlert(kImportAlertNothing, nullptr);
    else if (invalid + incomplete > 0)
        StopAlert(kImportAlertSkipped, nullptr);
    if (MarkImportDuplicates(staged, setting->entries)) StopAlert(kImportAlertRepeated, nullptr);
    return noErr;
}

SInt16 SampleCheckRange_at_ImportFunc(GlueRec* context) {
    JASettingBlock* staged = context->settingPrivate->importEntries;
    SInt16 invalid = 0;
    for (SInt16 i = 0; i < staged->entryCount; ++i) {
        JASetting& slot = staged->records[i];
        // A login name too long for its field is already marked by the parser.
        slot.invalidFlag = slot.invalidFlag || BreaksARule(slot);
        invalid += slot.invalidFlag;
    }
    return invalid;
}
