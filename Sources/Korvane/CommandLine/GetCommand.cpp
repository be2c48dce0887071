// korvane get LOGIN: the account ID of one login name, for print filters and scripts.
#include "Korvane/CommandLine/AlertText.h"
#include "Korvane/CommandLine/ListText.h"
#include "Korvane/CommandLine/Subcommands.h"
#include "Korvane/DataStore/SettingsText.h"
#include "Korvane/EntryEditor/NewJobAccountDialogCheck.h"

#include <cstdio>
#include <cstring>

namespace {

// The first entry with the login name, as the program reads the file.
struct Lookup {
    const char* login;
    size_t length;
    JASetting found;
    bool seen;
};

void Match(const JASetting& entry, SInt16, void* refCon) {
    auto* lookup = static_cast<Lookup*>(refCon);
    if (!lookup->seen && entry.loginName[0] == lookup->length &&
        std::memcmp(entry.loginName + 1, lookup->login, lookup->length) == 0) {
        lookup->found = entry;
        lookup->seen = true;
    }
}

} // namespace

int GetCommand(int argc, char** argv) {
    if (argc != 2) return UsageError("get LOGIN");
    SystemListClass list;
    if (OSErr err = list.Read()) return ReportJAFileError(list.Context(), err);
    Lookup lookup{argv[1], std::strlen(argv[1]), {}, false};
    VisitJASettingText(list.Text(), list.Length(), Match, &lookup);
    if (!lookup.seen) return ReportNoSuchLogin(argv[1]);
    // An ID the entry editor would refuse is no ID to bill a job to.
    if (short rule = FirstBrokenEntryRule(lookup.found)) {
        std::fprintf(stderr, "korvane: the entry of %s breaks a rule: %s\n", argv[1],
                     AlertText(rule).c_str());
        return kExitRefused;
    }
    std::printf("%.*s\n", int(lookup.found.accountID[0]), lookup.found.accountID + 1);
    return kExitDone;
}
