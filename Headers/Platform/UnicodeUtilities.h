// Comparison of Unicode text the way names are ordered for people, pair by pair or through
// collation keys made once per text.
#pragma once

#include "Platform/MacTypes.h"

typedef UInt32 UCCollateOptions;
typedef UInt32 UCCollationValue;
typedef UInt32 LocaleOperationVariant;
typedef struct OpaqueLocaleRef* LocaleRef;
typedef struct OpaqueCollatorRef* CollatorRef;

enum : UCCollateOptions {
    kUCCollateComposeInsensitiveMask = 0x2,
    kUCCollateWidthInsensitiveMask = 0x4,
    kUCCollateCaseInsensitiveMask = 0x8,
    kUCCollatePunctuationSignificantMask = 0x8000,
    kUCCollateDigitsOverrideMask = 0x10000,
    kUCCollateDigitsAsNumberMask = 0x20000,
};

// Compares two UTF-16 texts with the root collation, whatever the process locale says. Diacritics
// are always significant, and composed and decomposed forms of a character are always equal.
// Case-insensitive comparison also ignores width, which sits at the same level. Without
// kUCCollatePunctuationSignificantMask, punctuation and spaces are ignored. order gets -1, 0 or 1
// and equivalent whether the texts compare equal; either may be null, not both. 0; paramErr for
// missing text or results; kCollateMissingUnicodeTableErr when the collation data cannot be
// loaded.
OSStatus UCCompareTextDefault(UCCollateOptions options, const UniChar* text1Ptr,
                              UniCharCount text1Length, const UniChar* text2Ptr,
                              UniCharCount text2Length, Boolean* equivalent, SInt32* order);

// A collator that orders as UCCompareTextDefault does with these options. The locale must be
// null (the root collation). 0, paramErr or kCollateMissingUnicodeTableErr.
OSStatus UCCreateCollator(LocaleRef locale, LocaleOperationVariant opVariant,
                          UCCollateOptions options, CollatorRef* collatorRef);
// Sets the reference to null.
OSStatus UCDisposeCollator(CollatorRef* collatorRef);

// The text's collation key: two keys compared with UCCompareCollationKeys give the order the
// collator gives their texts. kCollateBufferTooSmall when the key takes more than maxKeySize
// values; actualKeySize then holds the number it takes.
OSStatus UCGetCollationKey(CollatorRef collatorRef, const UniChar* textPtr, UniCharCount textLength,
                           ItemCount maxKeySize, ItemCount* actualKeySize,
                           UCCollationValue collationKey[]);
// Results as for UCCompareTextDefault.
OSStatus UCCompareCollationKeys(const UCCollationValue* key1Ptr, ItemCount key1Length,
                                const UCCollationValue* key2Ptr, ItemCount key2Length,
                                Boolean* equivalent, SInt32* order);
