// One job-accounting entry and the fixed block that holds the entry list. All bytes: records are
// copied and moved whole.
#pragma once

#include "Platform/MacTypes.h"

constexpr SInt16 kJASettingSlots = 5100; // room in a block; the extra slots serve the import
constexpr SInt16 kJAMaxEntries = 5000;   // most entries the list holds
constexpr SInt16 kJAEntriesPerPage = 1000;

struct JASetting {
    Str255 loginName; // the key of the list
    Str255 userName;
    Str255 accountID; // decimal digits
    Boolean duplicateFlag;
    Boolean invalidFlag;
};

struct JASettingBlock {
    SInt16 entryCount;
    JASetting records[kJASettingSlots];
    Ptr importText;
    UInt32 importTextLength;
};

// All three fields byte for byte, lengths included (LoginNames.h: which login names are one
// account).
Boolean SameJAFields(const JASetting* a, const JASetting* b);
