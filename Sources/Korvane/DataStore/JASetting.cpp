#include "Korvane/DataStore/JASetting.h"

#include "Korvane/DataStore/LoginNames.h"
#include "MorrowCommon_2/MyPStrings.h"

Boolean SameJAFields(const JASetting* a, const JASetting* b) {
    return SameLoginName(a->loginName, b->loginName) && MyPStrEqual(a->userName, b->userName) &&
           MyPStrEqual(a->accountID, b->accountID);
}
