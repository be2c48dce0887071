// korvane import FILE [--dry-run]: the CSV import's rules and results, with the lines it skips
// named, committed as a Save commits.
#include "Korvane/CommandLine/ChangeReport.h"
#include "Korvane/CommandLine/ImportedFile.h"
#include "Korvane/CommandLine/ListChange.h"
#include "Korvane/CommandLine/ListText.h"
#include "Korvane/CommandLine/Subcommands.h"
#include "Korvane/DataStore/SettingsFile.h"
#include "Korvane/EntryEditor/NewJobAccountDialogCheck.h"
#include "Korvane/ImportExport/Import.h"
#include "Korvane/ImportExport/ImportDuplicates.h"
#include "Korvane/ImportExport/ImportKept.h"
#include "Korvane/ImportExport/ImportParse.h"
#include "Korvane/Shell/AlertText.h"
#include "Platform/MacErrors.h"

#include <cstring>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace {

// The accepted entries that the list has room for, each with whether it replaces a listed one;
// the first new one left out for want of room noted with how many more are.
std::vector<std::pair<const JASetting*, bool>> EntriesTaken(const SettingPrivateRec* setting,
                                                            const Boolean* replaces,
                                                            const ImportLines& lines,
                                                            SkippedLines* skipped) {
    const JASettingBlock* staged = setting->importEntries;
    std::vector<std::pair<const JASetting*, bool>> taken;
    taken.reserve(size_t(staged->entryCount));
    ForEachKeptStagedSlot(setting, replaces, [&](SInt16 slot) {
        taken.emplace_back(&staged->records[slot], replaces[slot]);
    });
    NoteLinesCut(setting, replaces, lines, skipped);
    return taken;
}

// An imported entry equal to the listed one it would replace leaves that one where it is, so an
// import of what the list holds already changes nothing. Their login names, in file order.
std::vector<std::string> KeepUnchanged(SettingPrivateRec* setting, Boolean* replaces) {
    JASettingBlock* staged = setting->importEntries;
    JASettingBlock* list = setting->entries;
    const LoginIndexClass listed(list);
    std::vector<std::string> same;
    for (SInt16 i = 0; i < staged->entryCount; ++i) {
        JASetting& slot = staged->records[i];
        if (!replaces[i] || slot.duplicateFlag || slot.invalidFlag) continue;
        const JASetting* was = listed.Find(LoginOf(slot));
        if (!was || !SameAccount(*was, slot)) continue;
        list->records[was - list->records].duplicateFlag = false;
        slot.duplicateFlag = true;
        replaces[i] = false;
        same.emplace_back(LoginOf(slot));
    }
    return same;
}

// What the entries taken do to the list as it was: each adds an account or replaces one.
AccountChanges ImportChanges(const JASettingBlock* original,
                             const std::vector<std::pair<const JASetting*, bool>>& taken) {
    const LoginIndexClass listed(original);
    AccountChanges found;
    for (const auto& [entry, replaces] : taken) {
        const JASetting* was = replaces ? listed.Find(LoginOf(*entry)) : nullptr;
        if (!was)
            found.changes.push_back({AccountChange::Added, nullptr, entry});
        else
            found.changes.push_back({AccountChange::Changed, was, entry});
    }
    // As for every other change: the list's accounts that it leaves as they were.
    found.unchanged = original->entryCount - found.Count(AccountChange::Changed);
    return found;
}

bool ParseArguments(int argc, char** argv, const char** file, bool* dryRun) {
    for (int i = 1; i < argc; ++i)
        if (!std::strcmp(argv[i], "--dry-run"))
            *dryRun = true;
        else if (*file || IsOption(argv[i]))
            return false;
        else
            *file = argv[i];
    return *file != nullptr;
}

// Writes the merged entries to the working copy, reads them back and commits them.
int CommitImport(ListChangeClass& change, const Boolean* replaces, bool force) {
    OSErr err = WriteImportToJATemp(change.Context(), replaces);
    if (err == noErr) err = JobAccountDialogReadFromTemporary(change.Context());
    if (err != noErr) return ReportSystemError("cannot write the working copy", err);
    return change.Commit(force);
}

} // namespace

int ImportCommand(int argc, char** argv) {
    const bool force = TakeFlag(&argc, argv, "--force");
    OutputFormat format = OutputFormat::Text;
    if (!TakeFormat(&argc, argv, &format)) return UsageError("import");
    const char* file = nullptr;
    bool dryRun = false;
    if (!ParseArguments(argc, argv, &file, &dryRun)) return UsageError("import");
    std::string text;
    if (const char* problem = ReadFileText(file, &text)) return ReportFileProblem(file, problem);
    ListChangeClass change(format);
    int status = dryRun ? change.ReadOnly() : change.Begin();
    if (status != kExitDone) return status;
    static ImportLines lines; // one import per run; too big for the stack
    SkippedLines skipped;
    if (OSErr err = ReadImportedFile(change, text, &lines, &skipped))
        return ReportSystemError("out of memory", err);
    SettingPrivateRec* setting = change.Context()->settingPrivate;
    Boolean replaces[kJASettingSlots];
    FindImportReplacements(setting->importEntries, setting->entries, replaces);
    const std::vector<std::string> unchanged = KeepUnchanged(setting, replaces);
    const auto taken = EntriesTaken(setting, replaces, lines, &skipped);
    if (format == OutputFormat::Text) skipped.Print(file);
    if (taken.empty() && unchanged.empty()) {
        std::fprintf(stderr, "korvane: %s\n", AlertText(kImportAlertNothing).c_str());
        return kExitRefused;
    }
    if (!dryRun && !taken.empty()) status = CommitImport(change, replaces, force);
    if (status != kExitDone) return status;
    if (format == OutputFormat::Json) {
        PrintJsonChanges(ImportChanges(change.Original(), taken), dryRun, &skipped,
                         change.MovedFrom());
        return skipped.AnyRefused() ? kExitRefused : kExitDone;
    }
    static const char* const kVerbs[2][2] = {{"added", "replaced"}, {"would add", "would replace"}};
    for (const auto& [entry, replacing] : taken) {
        const std::string_view login = LoginOf(*entry);
        std::printf("%s %.*s\n", kVerbs[dryRun][replacing], int(login.size()), login.data());
    }
    for (const std::string& login : unchanged)
        std::printf("unchanged %s\n", login.c_str());
    return skipped.AnyRefused() ? kExitRefused : kExitDone;
}
