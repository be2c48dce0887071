// Staging, parsing, checking and duplicate marking of the staged entries, with the alerts that
// report them.
#include "Korvane/DataStore/SettingPrivateRec.h"
#include "Korvane/EntryEditor/NewJobAccountDialogCheck.h"
#include "Korvane/ImportExport/Import.h"
#include "Korvane/ImportExport/ImportDuplicates.h"
#include "Korvane/ImportExport/ImportParse.h"
#include "Platform/Dialogs.h"

#include <algorithm>

void StageImportText(GlueRec* context) {
    JASettingBlock* staged = context->settingPrivate->importEntries;
    staged->importText = context->importFileText;
    staged->importTextLength = UInt32(std::max<SInt32>(context->importFileLength, 0));
    context->importFileText = nullptr;
    char* text = staged->importText;
    char* end = text + staged->importTextLength;
    std::fill(std::find(text, end, '\0'), end, '\0');
}

ImportOutcome SortOutImport(GlueRec* context, ImportLines* lines) {
    SettingPrivateRec* setting = context->settingPrivate;
    JASettingBlock* staged = setting->importEntries;
    ImportOutcome outcome{};
    outcome.incomplete = ParseImportText(reinterpret_cast<const UInt8*>(staged->importText),
                                         staged->importTextLength, staged, lines);
    outcome.invalid = SampleCheckRange_at_ImportFunc(context);
    MarkImportDuplicates(staged, setting->entries);
    // A listed entry that a line replaces is no repeat: only a line that a later one replaces is.
    const JASetting* const begin = staged->records;
    outcome.repeated = std::any_of(begin, begin + staged->entryCount,
                                   [](const JASetting& slot) { return slot.duplicateFlag; });
    return outcome;
}

OSErr Store_to_TemporaryInfo_at_ImportFunc(GlueRec* context) {
    static ImportLines lines; // one import at a time; too big for the stack
    const ImportOutcome outcome = SortOutImport(context, &lines);
    ShowImportResults(context, outcome, lines);
    if (outcome.repeated) StopAlert(kImportAlertRepeated, nullptr);
    return noErr;
}

SInt16 SampleCheckRange_at_ImportFunc(GlueRec* context) {
    JASettingBlock* staged = context->settingPrivate->importEntries;
    SInt16 invalid = 0;
    for (SInt16 i = 0; i < staged->entryCount; ++i) {
        JASetting& slot = staged->records[i];
        // A login name too long for its field is already marked by the parser.
        slot.invalidFlag = slot.invalidFlag || FirstBrokenEntryRule(slot, true) != 0;
        invalid += slot.invalidFlag;
    }
    return invalid;
}
