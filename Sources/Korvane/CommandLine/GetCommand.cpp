// korvane get LOGIN: the account ID of one login name, for print filters and scripts.
#include "Korvane/CommandLine/AccountLookup.h"
#include "Korvane/CommandLine/Subcommands.h"
#include "Korvane/Shell/AlertText.h"

#include <cstdio>

int GetCommand(int argc, char** argv) {
    if (argc != 2) return UsageError("get");
    SystemListClass list;
    if (OSErr err = list.Read()) return ReportJAFileError(list.Context(), err);
    JASetting entry;
    short rule = 0;
    switch (LookUpAccount(list, argv[1], &entry, &rule)) {
    case AccountOutcome::NotListed:
        return ReportNoSuchLogin(argv[1]);
    case AccountOutcome::BrokenEntry:
        std::fprintf(stderr, "korvane: the entry of %s breaks a rule: %s\n", argv[1],
                     AlertText(rule).c_str());
        return kExitRefused;
    case AccountOutcome::Listed:
        break;
    }
    std::printf("%.*s\n", int(entry.accountID[0]), entry.accountID + 1);
    return kExitDone;
}
