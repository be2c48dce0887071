// The parts of CompareLikeTheFinder, shared with the sort that makes each name's collation key
// once instead of collating two names for every comparison.
#pragma once

#include "Korvane/DataStore/JASetting.h"
#include "Platform/UnicodeUtilities.h"

// Case and width ignored, digit runs compared as numbers, punctuation significant.
constexpr UCCollateOptions kNameOrderOptions =
    kUCCollateComposeInsensitiveMask | kUCCollateWidthInsensitiveMask |
    kUCCollateCaseInsensitiveMask | kUCCollatePunctuationSignificantMask |
    kUCCollateDigitsOverrideMask | kUCCollateDigitsAsNumberMask;
// UTF-16 units that hold any Str255 name.
constexpr size_t kNameUnits = 1024;

// The name's characters into units; returns their number.
UniCharCount NameCharacters(ConstStr255Param name, UniChar* units);

// The collation's order of two names, then their bytes when it finds them equal.
int ThenByBytes(SInt32 order, ConstStr255Param a, ConstStr255Param b);

// Sorts the first count records into the order that qsort with CompareLikeTheFinder on the field
// gives, making each name's key once. 0; memFullErr or the collation's error, the records then
// untouched.
OSErr SortByNameKeys(JASetting* records, SInt16 count, Str255 JASetting::*field);
