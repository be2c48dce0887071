// A required part of the support library that the program does not call; built in the
// separate target MorrowCommon_2NotCalled and tested in tests/MorrowCommon_2/NotCalled.
// Hexadecimal text of 16- and 32-bit values, in upper-case digits.
#pragma once

#include "Platform/MacTypes.h"

// Sets str to the value's hexadecimal digits, after "0x" when withPrefix is set. Without
// withLeadingZeros, leading zero digits are left out but the last digit always stays, so zero
// gives "0". Returns the length (at most 10).
UInt8 GetHexStringFromLongValue(UInt32 value, StringPtr str, Boolean withPrefix,
                                Boolean withLeadingZeros);
// The same with at most 4 digits.
UInt8 GetHexStringFromShortValue(UInt16 value, StringPtr str, Boolean withPrefix,
                                 Boolean withLeadingZeros);
