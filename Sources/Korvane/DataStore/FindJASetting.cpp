#include "Korvane/DataStore/FindJASetting.h"

#include "Korvane/DataStore/SettingsText.h"

#include <cstring>

namespace {

struct Lookup {
    const char* login;
    size_t length;
    JASetting* found;
    bool seen;
};

void Match(const JASetting& entry, SInt16, void* refCon) {
    auto* lookup = static_cast<Lookup*>(refCon);
    if (!lookup->seen && entry.loginName[0] == lookup->length &&
        std::memcmp(entry.loginName + 1, lookup->login, lookup->length) == 0) {
        *lookup->found = entry;
        lookup->seen = true;
    }
}

} // namespace

bool FindJASetting(const UInt8* text, SInt32 length, const char* login, JASetting* found) {
    const size_t loginLength = std::strlen(login);
    // A name longer than a field holds is in no entry.
    if (loginLength > 255) return false;
    Lookup lookup{login, loginLength, found, false};
    VisitJASettingText(text, length, Match, &lookup);
    return lookup.seen;
}
