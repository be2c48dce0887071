// The alert that closes an import: what it added and replaced, and the lines it skipped, the
// first ones with why, in the words of the command line's report.
#include "Korvane/DataStore/SettingPrivateRec.h"
#include "Korvane/ImportExport/Import.h"
#include "Korvane/ImportExport/ImportDuplicates.h"
#include "Korvane/ImportExport/ImportKept.h"
#include "Korvane/ImportExport/SkippedLines.h"
#include "Korvane/Shell/AlertParams.h"
#include "Platform/Dialogs.h"

#include <array>
#include <string>

namespace {

constexpr size_t kNotesShown = 3; // with more, the last place tells how many lines are left

std::string LineCount(SInt32 count) {
    return std::to_string(count) + (count == 1 ? " line" : " lines");
}

// ^0 the file and the counts; ^1 to ^3 the first skipped lines, or two of them and how many
// more there are, each after a space.
std::array<std::string, 4> ResultTexts(ConstStr63Param fileName, SInt32 added, SInt32 replaced,
                                       const SkippedLines& skipped) {
    std::array<std::string, 4> texts;
    texts[0] = std::string(reinterpret_cast<const char*>(fileName + 1), fileName[0]) + ": " +
               std::to_string(added) + " added, " + std::to_string(replaced) + " replaced, " +
               LineCount(skipped.Count()) + " skipped.";
    const auto& notes = skipped.Lines();
    const size_t shown = notes.size() <= kNotesShown ? notes.size() : kNotesShown - 1;
    SInt32 more = skipped.Count();
    for (size_t i = 0; i < shown; ++i) {
        texts[i + 1] = " Line " + std::to_string(notes[i].number) + ": " + notes[i].why;
        more -= notes[i].count;
    }
    if (shown < notes.size())
        texts[kNotesShown] = " " + std::to_string(more) + " more lines skipped.";
    return texts;
}

// The entries the import writes, by whether they replace a listed one.
void CountKept(const SettingPrivateRec* setting, const Boolean* replaces, SInt32* added,
               SInt32* replaced) {
    *added = *replaced = 0;
    ForEachKeptStagedSlot(setting, replaces,
                          [&](SInt16 slot) { ++*(replaces[slot] ? replaced : added); });
}

} // namespace

void ShowImportResults(GlueRec* context, const ImportOutcome& outcome, const ImportLines& lines) {
    const SettingPrivateRec* setting = context->settingPrivate;
    SkippedLines skipped;
    NoteSkippedLines(setting->importEntries, lines, &skipped);
    Boolean replaces[kJASettingSlots];
    FindImportReplacements(setting->importEntries, setting->entries, replaces);
    NoteLinesCut(setting, replaces, lines, &skipped);
    SInt32 added, replaced;
    CountKept(setting, replaces, &added, &replaced);
    const auto texts = ResultTexts(context->importFileSpec.name, added, replaced, skipped);
    AlertParamsClass params({texts[0], texts[1], texts[2], texts[3]});
    if (outcome.invalid == setting->importEntries->entryCount)
        StopAlert(kImportAlertNothing, nullptr);
    else if (outcome.invalid + outcome.incomplete > 0 || lines.unread > 0)
        StopAlert(kImportAlertSkipped, nullptr);
    else
        Alert(kImportAlertResults, nullptr);
}
