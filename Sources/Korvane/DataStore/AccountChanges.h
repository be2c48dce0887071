// What makes one list of accounts into another, account by account (by login name; the order of
// the accounts is not a change).
#pragma once

#include "Korvane/DataStore/JASetting.h"

#include <string_view>
#include <vector>

// A field's text, and the entry's login name.
std::string_view FieldOf(ConstStr255Param field);
std::string_view LoginOf(const JASetting& entry);

// Whether two entries hold the same login name, account ID and user name.
bool SameAccount(const JASetting& a, const JASetting& b);

struct AccountChange {
    enum Kind { Added, Removed, Changed } kind;
    const JASetting* before; // Removed, Changed
    const JASetting* after;  // Added, Changed
};

struct AccountChanges {
    std::vector<AccountChange> changes; // the removed in list order, then the rest in target order
    long unchanged = 0;
    long Count(AccountChange::Kind kind) const;
};

// From the list's entries to target's (login names unique in target). A login name the list
// holds twice is removed once for each entry after its first.
AccountChanges CompareAccounts(const JASettingBlock* list,
                               const std::vector<const JASetting*>& target);
