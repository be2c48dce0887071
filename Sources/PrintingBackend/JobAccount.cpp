#include "JobAccount.h"

#include "Korvane/CommandLine/AccountLookup.h"
#include "Korvane/Shell/AlertText.h"
#include "Korvane/Shell/ErrorText.h"

JobAccount AccountOfJobUser(const char* user) {
    SystemListClass list;
    // No file is more likely a mistake than a list without accounts: no job is billed by it.
    if (OSErr err = list.Read(false)) {
        const GlueRec* context = list.Context();
        const char* path = context && context->jaFilePath[0] ? context->jaFilePath : "(unknown)";
        return {JobAccount::ListUnreadable,
                {},
                "cannot read the job-accounting file " + std::string(path) + " (" + ErrorText(err) +
                    ")"};
    }
    JASetting entry;
    short rule = 0;
    switch (LookUpAccount(list, user, &entry, &rule)) {
    case AccountOutcome::NotListed:
        return {JobAccount::Unlisted,
                {},
                Printable(user) + " has no account in the job-accounting list"};
    case AccountOutcome::BrokenEntry:
        return {JobAccount::Unlisted,
                {},
                "the entry of " + Printable(user) +
                    " in the job-accounting list breaks a rule: " + AlertText(rule)};
    case AccountOutcome::Listed:
        break;
    }
    return {JobAccount::Billed,
            std::string(reinterpret_cast<const char*>(entry.accountID + 1), entry.accountID[0]),
            {}};
}
