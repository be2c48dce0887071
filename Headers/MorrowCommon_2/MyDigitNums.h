// A required part of the support library that the program does not call; built in the
// separate target MorrowCommon_2NotCalled and tested in tests/MorrowCommon_2/NotCalled.
// Fixed-point numbers as text. A fixed-point number is a 32-bit value that holds the number
// times 10 to the power decimals, with decimals given by the caller; the text uses the decimal
// point of the system's number format.
#pragma once

#include "Platform/MacTypes.h"

// The decimal point of the system script's number format ('itl0'); "." when there is none.
UInt8 GetDecimalPointCharacter();

// Parses count bytes: an optional "-" or "+", digits, and at most one decimal point followed by
// digits. Fraction digits beyond decimals are dropped (truncation toward zero). Returns false,
// with result 0, for text holding any other byte, no digit at all, or a value that does not fit
// in 32 bits.
Boolean MyStringToDigitNum(const void* chars, SInt32 count, SInt32* result, SInt16 decimals);
// The same, returning the value; text that is not a number gives 0.
SInt32 MyStringToDigitNum(const void* chars, SInt32 count, SInt16 decimals);
// The same on the text of a Str255.
Boolean MyStringToDigitNum(ConstStr255Param str, SInt32* result, SInt16 decimals);
SInt32 MyStringToDigitNum(ConstStr255Param str, SInt16 decimals);

// Formats value with decimals fraction digits: "12.50", "0.005", "-0.005". Without
// keepTrailingZeros, trailing fraction zeros go, and the decimal point with them when nothing
// follows it. A negative decimals counts as 0. Text longer than 255 bytes gives an empty str.
void MyDigitNumToString(SInt32 value, SInt16 decimals, StringPtr str, Boolean keepTrailingZeros);
