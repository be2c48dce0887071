// korvane restore [--dry-run] [--format=json]: the backup that the last commit kept (the
// job-accounting file's name with "-" after it) put back, through the same lock, identity check and
// rights as any change; first what that changes, account by account.
#include "Korvane/CommandLine/ChangeReport.h"
#include "Korvane/CommandLine/ListChange.h"
#include "Korvane/CommandLine/ListText.h"
#include "Korvane/CommandLine/Subcommands.h"
#include "Korvane/DataStore/SettingsText.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

namespace {

// "add LOGIN" and "change LOGIN" by login name, then "remove LOGIN", each after prefix.
void PrintChanges(const AccountChanges& found, const char* prefix) {
    std::vector<std::string> made, removed;
    for (const AccountChange& change : found.changes) {
        const std::string login(LoginOf(change.after ? *change.after : *change.before));
        if (change.kind == AccountChange::Removed)
            removed.push_back(std::string(prefix) + "remove " + login);
        else
            made.push_back(std::string(prefix) +
                           (change.kind == AccountChange::Added ? "add " : "change ") + login);
    }
    std::sort(made.begin(), made.end());
    std::sort(removed.begin(), removed.end());
    for (const auto* lines : {&made, &removed})
        for (const std::string& line : *lines)
            std::printf("%s\n", line.c_str());
}

} // namespace

int RestoreCommand(int argc, char** argv) {
    const bool dryRun = TakeFlag(&argc, argv, "--dry-run");
    OutputFormat format = OutputFormat::Text;
    if (!TakeFormat(&argc, argv, &format) || argc != 1) return UsageError("restore");
    ListChangeClass change(format);
    int status = dryRun ? change.ReadOnly() : change.Begin();
    if (status != kExitDone) return status;
    const std::string backup = std::string(change.Context()->jaFilePath) + "-";
    std::string text;
    if (const char* problem = ReadFileText(backup.c_str(), &text))
        return ReportFileProblem(backup.c_str(), problem);
    JASettingBlock* staging = change.ImportStaging();
    if (!staging) return ReportSystemError("out of memory", memFullErr);
    ReadJASettingText(reinterpret_cast<const UInt8*>(text.data()), SInt32(text.size()), staging);
    const AccountChanges found = CompareAccounts(change.Original(), EntriesOf(staging));
    const bool json = format == OutputFormat::Json;
    if (!json) PrintChanges(found, dryRun ? "would " : "will ");
    if (found.changes.empty() || dryRun) {
        if (json) PrintJsonChanges(found, dryRun);
        if (!json && found.changes.empty())
            std::printf("the backup %s holds the list as it is\n", backup.c_str());
        return kExitDone;
    }
    change.Entries()->entryCount = staging->entryCount;
    std::memcpy(change.Entries()->records, staging->records, sizeof staging->records);
    // Putting the backup back replaces the whole file by the person's own choice.
    status = change.Commit(true);
    if (status == kExitDone && json) PrintJsonChanges(found, false, nullptr, change.MovedFrom());
    if (status == kExitDone && !json)
        std::printf("restored %s from %s\n", change.Context()->jaFilePath, backup.c_str());
    return status;
}
