// korvane restore [--dry-run]: the backup that the last commit kept (the job-accounting file's
// name with "-" after it) put back, through the same lock, identity check and rights as any
// change; first what that changes, account by account.
#include "Korvane/CommandLine/ListChange.h"
#include "Korvane/CommandLine/ListText.h"
#include "Korvane/CommandLine/Subcommands.h"
#include "Korvane/DataStore/SettingsText.h"

#include <cstdio>
#include <cstring>
#include <map>
#include <string>

namespace {

std::string Field(ConstStr255Param field) {
    return std::string(reinterpret_cast<const char*>(field + 1), field[0]);
}

// Each account by login name: its ID and user name.
std::map<std::string, std::string> Accounts(const JASettingBlock* block) {
    std::map<std::string, std::string> accounts;
    for (SInt16 i = 0; i < block->entryCount; ++i) {
        const JASetting& entry = block->records[i];
        accounts[Field(entry.loginName)] = Field(entry.accountID) + "," + Field(entry.userName);
    }
    return accounts;
}

// "added LOGIN", "removed LOGIN", "changed LOGIN" for what going from one list to the other
// does; how many lines it printed.
int PrintChanges(const JASettingBlock* from, const JASettingBlock* to, const char* prefix) {
    const auto before = Accounts(from), after = Accounts(to);
    int printed = 0;
    for (const auto& [login, rest] : after) {
        const auto was = before.find(login);
        if (was == before.end() || was->second != rest)
            printed += std::printf("%s%s %s\n", prefix, was == before.end() ? "add" : "change",
                                   login.c_str()) > 0;
    }
    for (const auto& [login, rest] : before)
        if (!after.count(login)) printed += std::printf("%sremove %s\n", prefix, login.c_str()) > 0;
    return printed;
}

} // namespace

int RestoreCommand(int argc, char** argv) {
    const bool dryRun = TakeFlag(&argc, argv, "--dry-run");
    if (argc != 1) return UsageError("restore");
    ListChangeClass change;
    int status = dryRun ? change.ReadOnly() : change.Begin();
    if (status != kExitDone) return status;
    const std::string backup = std::string(change.Context()->jaFilePath) + "-";
    std::string text;
    if (const char* problem = ReadFileText(backup.c_str(), &text))
        return ReportFileProblem(backup.c_str(), problem);
    JASettingBlock* staging = change.ImportStaging();
    if (!staging) return ReportSystemError("out of memory", memFullErr);
    ReadJASettingText(reinterpret_cast<const UInt8*>(text.data()), SInt32(text.size()), staging);
    if (PrintChanges(change.Entries(), staging, dryRun ? "would " : "will ") == 0) {
        std::printf("the backup %s holds the list as it is\n", backup.c_str());
        return kExitDone;
    }
    if (dryRun) return kExitDone;
    change.Entries()->entryCount = staging->entryCount;
    std::memcpy(change.Entries()->records, staging->records, sizeof staging->records);
    // Putting the backup back replaces the whole file by the person's own choice.
    status = change.Commit(true);
    if (status == kExitDone)
        std::printf("restored %s from %s\n", change.Context()->jaFilePath, backup.c_str());
    return status;
}
