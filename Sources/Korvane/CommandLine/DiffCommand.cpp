// korvane diff [FILE|-]: the job-accounting file against a master file, or against the working
// copy of a running program, account by account; status 0 when they hold the same accounts and
// 1 when not, as diff(1) does.
#include "Korvane/CommandLine/ImportedFile.h"
#include "Korvane/CommandLine/ListText.h"
#include "Korvane/CommandLine/Subcommands.h"
#include "Korvane/DataStore/AccountChanges.h"
#include "Korvane/DataStore/JALocations.h"
#include "Korvane/DataStore/SettingsText.h"
#include "Korvane/DataStore/WholeFile.h"
#include "Korvane/DataStore/WorkingCopyLock.h"
#include "MorrowCommon_2/MyFindFolder.h"
#include "Platform/MacErrors.h"
#include "Platform/MacMemory.h"

#include <cstdio>
#include <string>

namespace {

constexpr int kExitDifferent = 1, kExitTrouble = 2; // as diff(1) ends

std::string LineOf(const JASetting& entry) {
    return std::string(FieldOf(entry.loginName)) + "," + std::string(FieldOf(entry.accountID)) +
           "," + std::string(FieldOf(entry.userName));
}

int PrintChanges(const AccountChanges& found) {
    for (const AccountChange& change : found.changes)
        switch (change.kind) {
        case AccountChange::Added:
            std::printf("added %s\n", LineOf(*change.after).c_str());
            break;
        case AccountChange::Removed:
            std::printf("removed %s\n", LineOf(*change.before).c_str());
            break;
        case AccountChange::Changed:
            std::printf("changed %s -> %s\n", LineOf(*change.before).c_str(),
                        LineOf(*change.after).c_str());
            break;
        }
    return found.changes.empty() ? kExitDone : kExitDifferent;
}

// The master file's accounts, read as an import reads them; a file with refused lines is trouble.
int DiffWithFile(ListChangeClass& change, const char* file) {
    std::string text;
    if (const char* problem = ReadFileText(file, &text)) return ReportFileProblem(file, problem);
    std::vector<const JASetting*> target;
    SkippedLines skipped;
    if (ReadMasterFile(change, file, text, &skipped, "", &target) != kExitDone) {
        skipped.Print(file, stderr);
        return kExitTrouble;
    }
    return PrintChanges(CompareAccounts(change.Original(), target));
}

// The working copy that a running program edits, read as the program reads it.
int DiffWithWorkingCopy(ListChangeClass& change) {
    GlueRec* context = change.Context();
    OSErr err = LocateWorkingCopy(context);
    // A run of the program holds the working copy's lock; a copy nobody holds is a leftover.
    const bool held = err == noErr && LockWorkingCopy(context) == opWrErr;
    if (err == noErr && !held) UnlockWorkingCopy();
    if (err == noErr) err = FindNamedFile(&context->tempFileSpec);
    char path[1300] = "the working copy";
    ItemPath(&context->tempFileSpec, path, sizeof path);
    if (err == fnfErr || (err == noErr && !held)) {
        std::fprintf(stderr, "korvane: no run of the program has the list open (%s)\n", path);
        return kExitTrouble;
    }
    ReleaseTextClass release(&context->tempText);
    if (err == noErr)
        err = ReadWholeFile(&context->tempFileSpec, &context->tempText, &context->tempTextLength,
                            memFullErr);
    if (err != noErr) return ReportSystemError((std::string("cannot read ") + path).c_str(), err);
    JASettingBlock* copy = change.ImportStaging();
    if (!copy) return ReportSystemError("out of memory", memFullErr);
    ReadJASettingText(reinterpret_cast<const UInt8*>(context->tempText), context->tempTextLength,
                      copy);
    return PrintChanges(CompareAccounts(change.Original(), EntriesOf(copy)));
}

} // namespace

int DiffCommand(int argc, char** argv) {
    if (argc > 2 || (argc == 2 && IsOption(argv[1]))) return UsageError("diff");
    ListChangeClass change;
    if (int status = change.ReadOnly(); status != kExitDone) return status;
    return argc == 2 ? DiffWithFile(change, argv[1]) : DiffWithWorkingCopy(change);
}
