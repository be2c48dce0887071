#include "Korvane/CommandLine/AccountLookup.h"

#include "Korvane/DataStore/FindJASetting.h"
#include "Korvane/EntryEditor/NewJobAccountDialogCheck.h"

AccountOutcome LookUpAccount(const SystemListClass& list, const char* login, JASetting* entry,
                             short* rule) {
    if (!FindJASetting(list.Text(), list.Length(), login, entry)) return AccountOutcome::NotListed;
    *rule = FirstBrokenEntryRule(*entry);
    return *rule ? AccountOutcome::BrokenEntry : AccountOutcome::Listed;
}
