#include "Korvane/DataStore/JASetting.h"

#include "MorrowCommon_2/MyPStrings.h"

Boolean SameJAAccount(const JASetting* a, const JASetting* b) {
    return MyPStrCompare(a->loginName, b->loginName) == 0;
}

Boolean SameJAFields(const JASetting* a, const JASetting* b) {
    return MyPStrEqual(a->loginName, b->loginName) && MyPStrEqual(a->userName, b->userName) &&
           MyPStrEqual(a->accountID, b->accountID);
}
