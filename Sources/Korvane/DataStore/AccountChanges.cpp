#include "Korvane/DataStore/AccountChanges.h"

#include <algorithm>
#include <cstring>
#include <unordered_map>

std::string_view FieldOf(ConstStr255Param field) {
    return {reinterpret_cast<const char*>(field + 1), field[0]};
}

std::string_view LoginOf(const JASetting& entry) {
    return FieldOf(entry.loginName);
}

bool SameAccount(const JASetting& a, const JASetting& b) {
    auto same = [](ConstStr255Param x, ConstStr255Param y) {
        return x[0] == y[0] && std::memcmp(x + 1, y + 1, x[0]) == 0;
    };
    return same(a.loginName, b.loginName) && same(a.accountID, b.accountID) &&
           same(a.userName, b.userName);
}

long AccountChanges::Count(AccountChange::Kind kind) const {
    return long(std::count_if(changes.begin(), changes.end(),
                              [kind](const AccountChange& c) { return c.kind == kind; }));
}

AccountChanges CompareAccounts(const JASettingBlock* list,
                               const std::vector<const JASetting*>& target) {
    std::unordered_map<std::string_view, const JASetting*> listed, wanted;
    AccountChanges result;
    for (const JASetting* entry : target)
        wanted.emplace(LoginOf(*entry), entry);
    for (SInt16 i = 0; i < list->entryCount; ++i) {
        const JASetting& entry = list->records[i];
        const bool first = listed.emplace(LoginOf(entry), &entry).second;
        if (!first || !wanted.count(LoginOf(entry)))
            result.changes.push_back({AccountChange::Removed, &entry, nullptr});
    }
    for (const JASetting* entry : target) {
        const auto at = listed.find(LoginOf(*entry));
        if (at == listed.end())
            result.changes.push_back({AccountChange::Added, nullptr, entry});
        else if (!SameAccount(*at->second, *entry))
            result.changes.push_back({AccountChange::Changed, at->second, entry});
        else
            ++result.unchanged;
    }
    return result;
}
