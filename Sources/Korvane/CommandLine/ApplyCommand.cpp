// korvane apply FILE|- [--dry-run] [--force]: the list made exactly the accounts of a master file,
// in one commit, for configuration management; nothing is saved when it holds them already.
#include "Korvane/CommandLine/AccountChanges.h"
#include "Korvane/CommandLine/ImportedFile.h"
#include "Korvane/CommandLine/ListText.h"
#include "Korvane/CommandLine/Subcommands.h"

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

void PrintSummary(const AccountChanges& found, const char* file, bool dryRun) {
    PrintChanges(found, dryRun);
    std::printf("%s %s: %ld added, %ld removed, %ld changed, %ld unchanged\n",
                dryRun ? "would apply" : "applied", file, found.Count(AccountChange::Added),
                found.Count(AccountChange::Removed), found.Count(AccountChange::Changed),
                found.unchanged);
}

// Takes the lock, compares again with the list as it is now, and saves FILE's accounts.
int Commit(const char* file, const std::string& text, bool force) {
    ListChangeClass change;
    std::vector<const JASetting*> target;
    int status = change.Begin();
    if (status == kExitDone)
        status = ReadMasterFile(change, file, text, nullptr, kNothingApplied, &target);
    if (status != kExitDone) return status;
    const AccountChanges found = CompareAccounts(change.Original(), target);
    ReplaceEntries(change.Entries(), target);
    if (!found.changes.empty() && (status = change.Commit(force)) != kExitDone) return status;
    PrintSummary(found, file, false);
    return kExitDone;
}

} // namespace

int ApplyCommand(int argc, char** argv) {
    const bool force = TakeFlag(&argc, argv, "--force");
    const bool dryRun = TakeFlag(&argc, argv, "--dry-run");
    if (argc != 2 || IsOption(argv[1])) return UsageError("apply");
    const char* file = argv[1];
    std::string text;
    if (const char* problem = ReadFileText(file, &text)) return ReportFileProblem(file, problem);
    // A first look without the lock or a working copy: a list that holds FILE's accounts
    // already needs neither.
    ListChangeClass look;
    std::vector<const JASetting*> target;
    int status = look.ReadOnly();
    if (status == kExitDone)
        status = ReadMasterFile(look, file, text, stdout, kNothingApplied, &target);
    if (status != kExitDone) return status;
    const AccountChanges found = CompareAccounts(look.Original(), target);
    if (found.changes.empty()) {
        std::printf("nothing changed: the list holds the %zu accounts of %s already\n",
                    target.size(), file);
        return kExitDone;
    }
    if (dryRun) {
        PrintSummary(found, file, true);
        return kExitDone;
    }
    return Commit(file, text, force);
}
