#include "Korvane/DataStore/FindJASetting.h"

#include "Korvane/DataStore/LoginNames.h"
#include "Korvane/DataStore/SettingsText.h"

namespace {

struct Lookup {
    std::string_view login;
    JASetting* found;
    bool seen;
};

void Match(const JASetting& entry, SInt16, void* refCon) {
    auto* lookup = static_cast<Lookup*>(refCon);
    if (!lookup->seen && SameLoginName(entry.loginName, lookup->login)) {
        *lookup->found = entry;
        lookup->seen = true;
    }
}

} // namespace

bool FindJASetting(const UInt8* text, SInt32 length, const char* login, JASetting* found) {
    Lookup lookup{login, found, false};
    VisitJASettingText(text, length, Match, &lookup);
    return lookup.seen;
}
