// What makes one list of accounts into another, account by account (by login name; the order of
// the accounts is not a change).
#pragma once

#include "Korvane/DataStore/JASetting.h"

#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

// A field's text, and the entry's login name as a key (LoginNames.h).
std::string_view FieldOf(ConstStr255Param field);
std::string_view LoginOf(const JASetting& entry);

// Whether two entries hold the same login name, account ID and user name.
bool SameAccount(const JASetting& a, const JASetting& b);

// The text with every control character shown as '?', so that a name cannot start a line of its
// own in a log or a message to another program.
std::string Printable(std::string_view text);

// The accounts of a block, in order.
std::vector<const JASetting*> EntriesOf(const JASettingBlock* block);

// A block's entries by login name, the first of each; the block must outlive it.
class LoginIndexClass {
  public:
    explicit LoginIndexClass(const JASettingBlock* block);
    // The first entry with the login name, or null.
    const JASetting* Find(std::string_view login) const;

  private:
    std::unordered_map<std::string_view, const JASetting*> entries_;
};

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
