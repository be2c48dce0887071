// korvane apply FILE|- [--dry-run] [--force] [--format=json]: the list made exactly the accounts of
// a master file, in one commit, for configuration management; nothing is saved when it holds them
// already.
#include "Korvane/CommandLine/ChangeReport.h"
#include "Korvane/CommandLine/ImportedFile.h"
#include "Korvane/CommandLine/ListText.h"
#include "Korvane/CommandLine/Subcommands.h"
#include "Korvane/DataStore/AccountChanges.h"

#include <cstdio>
#include <string>

namespace {

void PrintChanges(const AccountChanges& found, bool dryRun) {
    static const char* const kVerbs[2][3] = {{"added", "removed", "changed"},
                                             {"would add", "would remove", "would change"}};
    for (const AccountChange& change : found.changes) {
        const std::string_view login = LoginOf(change.after ? *change.after : *change.before);
        std::printf("%s %.*s\n", kVerbs[dryRun][change.kind], int(login.size()), login.data());
    }
}

// The list's entries become the target's, in the target's order.
void ReplaceEntries(JASettingBlock* entries, const std::vector<const JASetting*>& target) {
    entries->entryCount = SInt16(target.size());
    for (size_t i = 0; i < target.size(); ++i) {
        entries->records[i] = *target[i];
        entries->records[i].duplicateFlag = entries->records[i].invalidFlag = false;
    }
}

constexpr const char* kNothingApplied = "; nothing was applied";

void Report(const AccountChanges& found, const char* file, bool dryRun, OutputFormat format,
            const SkippedLines* skipped, const char* movedFrom = nullptr) {
    if (format == OutputFormat::Json) return PrintJsonChanges(found, dryRun, skipped, movedFrom);
    if (found.changes.empty()) {
        std::printf("nothing changed: the list holds the %ld accounts of %s already\n",
                    found.unchanged, file);
        return;
    }
    PrintChanges(found, dryRun);
    std::printf("%s %s: %ld added, %ld removed, %ld changed, %ld unchanged\n",
                dryRun ? "would apply" : "applied", file, found.Count(AccountChange::Added),
                found.Count(AccountChange::Removed), found.Count(AccountChange::Changed),
                found.unchanged);
}

// The list (under the lock, with a working copy, when locked) and FILE's accounts beside it.
int ReadBoth(ListChangeClass& change, bool locked, const char* file, const std::string& text,
             SkippedLines* skipped, std::vector<const JASetting*>* target) {
    const int status = locked ? change.Begin() : change.ReadOnly();
    return status == kExitDone
               ? ReadMasterFile(change, file, text, skipped, kNothingApplied, target)
               : status;
}

// Takes the lock, compares again with the list as it is now, and saves FILE's accounts.
int Commit(const char* file, const std::string& text, bool force, OutputFormat format) {
    ListChangeClass change(format);
    std::vector<const JASetting*> target;
    SkippedLines skipped;
    int status = ReadBoth(change, true, file, text, &skipped, &target);
    if (status != kExitDone) return status;
    const AccountChanges found = CompareAccounts(change.Original(), target);
    ReplaceEntries(change.Entries(), target);
    if (!found.changes.empty() && (status = change.Commit(force)) != kExitDone) return status;
    Report(found, file, false, format, &skipped, change.MovedFrom());
    return kExitDone;
}

} // namespace

int ApplyCommand(int argc, char** argv) {
    const bool force = TakeFlag(&argc, argv, "--force");
    const bool dryRun = TakeFlag(&argc, argv, "--dry-run");
    const bool allowEmpty = TakeFlag(&argc, argv, "--allow-empty");
    OutputFormat format = OutputFormat::Text;
    if (!TakeFormat(&argc, argv, &format) || argc != 2 || IsOption(argv[1]))
        return UsageError("apply");
    const char* file = argv[1];
    std::string text;
    if (const char* problem = ReadFileText(file, &text)) return ReportFileProblem(file, problem);
    // A first look without the lock or a working copy: a list that holds FILE's accounts
    // already needs neither.
    ListChangeClass look;
    std::vector<const JASetting*> target;
    SkippedLines skipped;
    const int status = ReadBoth(look, false, file, text, &skipped, &target);
    if (status == kExitRefused && format == OutputFormat::Json)
        PrintJsonChanges({}, dryRun, &skipped);
    else if (format == OutputFormat::Text)
        skipped.Print(file);
    if (status != kExitDone) return status;
    // An empty master is more likely a failed copy than a wish to bill no one.
    if (target.empty() && !allowEmpty) {
        std::fprintf(stderr,
                     "korvane: %s holds no accounts; nothing was applied. --allow-empty "
                     "empties the list\n",
                     file);
        return kExitRefused;
    }
    const AccountChanges found = CompareAccounts(look.Original(), target);
    if (dryRun && !found.changes.empty())
        if (const int refused = look.RefuseUntakenLines(force)) return refused;
    if (dryRun || found.changes.empty()) {
        Report(found, file, dryRun, format, &skipped);
        return kExitDone;
    }
    return Commit(file, text, force, format);
}
