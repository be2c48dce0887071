#include "Korvane/DataStore/AccountChanges.h"

#include "Korvane/DataStore/LoginNames.h"

#include <algorithm>
#include <unordered_map>

std::string_view FieldOf(ConstStr255Param field) {
    return {reinterpret_cast<const char*>(field + 1), field[0]};
}

std::string_view LoginOf(const JASetting& entry) {
    return LoginNameKey(entry.loginName);
}

bool SameAccount(const JASetting& a, const JASetting& b) {
    return SameJAFields(&a, &b);
}

std::string Printable(std::string_view text) {
    std::string shown(text);
    for (char& c : shown)
        if (static_cast<unsigned char>(c) < 0x20 || c == 0x7f) c = '?';
    return shown;
}

std::vector<const JASetting*> EntriesOf(const JASettingBlock* block) {
    std::vector<const JASetting*> entries;
    entries.reserve(size_t(block->entryCount));
    for (SInt16 i = 0; i < block->entryCount; ++i)
        entries.push_back(&block->records[i]);
    return entries;
}

LoginIndexClass::LoginIndexClass(const JASettingBlock* block) {
    entries_.reserve(size_t(block->entryCount));
    for (SInt16 i = 0; i < block->entryCount; ++i)
        entries_.emplace(LoginOf(block->records[i]), &block->records[i]);
}

const JASetting* LoginIndexClass::Find(std::string_view login) const {
    const auto at = entries_.find(login);
    return at == entries_.end() ? nullptr : at->second;
}

long AccountChanges::Count(AccountChange::Kind kind) const {
    return long(std::count_if(changes.begin(), changes.end(),
                              [kind](const AccountChange& c) { return c.kind == kind; }));
}

AccountChanges CompareAccounts(const JASettingBlock* list,
                               const std::vector<const JASetting*>& target) {
    const LoginIndexClass listed(list);
    std::unordered_map<std::string_view, const JASetting*> wanted;
    AccountChanges result;
    for (const JASetting* entry : target)
        wanted.emplace(LoginOf(*entry), entry);
    for (SInt16 i = 0; i < list->entryCount; ++i) {
        const JASetting& entry = list->records[i];
        if (listed.Find(LoginOf(entry)) != &entry || !wanted.count(LoginOf(entry)))
            result.changes.push_back({AccountChange::Removed, &entry, nullptr});
    }
    for (const JASetting* entry : target) {
        const JASetting* was = listed.Find(LoginOf(*entry));
        if (!was)
            result.changes.push_back({AccountChange::Added, nullptr, entry});
        else if (!SameAccount(*was, *entry))
            result.changes.push_back({AccountChange::Changed, was, entry});
        else
            ++result.unchanged;
    }
    return result;
}
