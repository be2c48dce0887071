// Length-prefixed strings (Str255): byte 0 is the length, bytes 1..length the text. Bytes are
// copied and compared as unsigned values, with no case folding and no locale rules.
#pragma once

#include "Platform/MacTypes.h"

// Copies src (length byte and text) into dst; the two may overlap. dst must hold length + 1 bytes.
void MyPStrCopy(ConstStr255Param src, StringPtr dst);

// Appends the text of src to dst, silently dropping what would go past 255 bytes. Returns the new
// length of dst.
UInt8 MyPStrAdd(StringPtr dst, ConstStr255Param src);

// True when both strings have the same length and the same bytes.
Boolean MyPStrEqual(ConstStr255Param a, ConstStr255Param b);

// -1, 0 or 1 as a orders before, with or after b: bytewise, and a proper prefix first.
SInt16 MyPStrCompare(ConstStr255Param a, ConstStr255Param b);

// True when cstr begins with the text of pstr; what follows in cstr is not looked at, so an empty
// pstr equals every cstr. A cstr that ends before length(pstr) bytes is unequal.
Boolean MyPStrCStrEqual(ConstStr255Param pstr, const char* cstr);

// Sets str to the decimal form of value, without a plus sign.
void MyNumToString(SInt32 value, StringPtr str);
