#include "Korvane/DataStore/JAFieldRules.h"

namespace {

Boolean IsForbiddenByte(UInt8 byte, Boolean spaceForbidden) {
    if (byte >= 10 && byte <= 31) return true;
    return byte == '"' || byte == ',' || (spaceForbidden && byte == ' ');
}

} // namespace

Boolean JAHasForbiddenByte(ConstStr255Param text, Boolean spaceForbidden) {
    for (int i = 1; i <= text[0]; ++i)
        if (IsForbiddenByte(text[i], spaceForbidden)) return true;
    return false;
}

Boolean JAAccountIDValid(ConstStr255Param accountID) {
    const UInt8 length = accountID[0];
    if (length == 0 || length > kJAMaxAccountIDBytes || accountID[1] == '0') return false;
    for (int i = 1; i <= length; ++i)
        if (accountID[i] < '0' || accountID[i] > '9') return false;
    return true;
}
