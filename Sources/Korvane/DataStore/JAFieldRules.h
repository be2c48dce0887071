// The rules an entry's fields keep when the editor makes it or the import accepts it. The settings
// reader and the sort take any content.
#pragma once

#include "Platform/MacTypes.h"

constexpr UInt8 kJAMaxUserNameBytes = 80;
constexpr UInt8 kJAMaxAccountIDBytes = 9;

// True when the text holds a byte that would break a settings line or a CSV field: 10 to 31, the
// double quote, the comma, and the space when spaceForbidden. Bytes 0 to 9 and 127 up pass.
Boolean JAHasForbiddenByte(ConstStr255Param text, Boolean spaceForbidden);

// True for a decimal number from 1 to 999999999 written without leading zeros.
Boolean JAAccountIDValid(ConstStr255Param accountID);
