#include "Platform/UnicodeUtilities.h"

#include "Platform/MacErrors.h"
#include "Unicode/Collators.h"

#include <algorithm>
#include <cstdint>

using platform::CollatorFor;

namespace {

bool ValidText(const UniChar* text, UniCharCount length) {
    return (text || length == 0) && length <= UniCharCount(INT32_MAX);
}

const UChar* ICUText(const UniChar* text) {
    return reinterpret_cast<const UChar*>(text);
}

UCollator* CollatorOf(CollatorRef collatorRef) {
    return reinterpret_cast<UCollator*>(collatorRef);
}

OSStatus TellOrder(int order, Boolean* equivalent, SInt32* result) {
    if (equivalent) *equivalent = order == 0;
    if (result) *result = (order > 0) - (order < 0);
    return noErr;
}

// ICU's key bytes, packed four to a value with the first byte highest so that values compare as
// the bytes do. The zero that ends the bytes never occurs inside them, so padding the last value
// with zeros changes no order.
void PackKeyBytes(UCCollationValue* key, int32_t byteCount) {
    auto* bytes = reinterpret_cast<UInt8*>(key);
    int32_t valueCount = (byteCount + 3) / 4;
    std::fill(bytes + byteCount, bytes + ptrdiff_t(valueCount) * 4, UInt8(0));
    for (int32_t i = 0; i < valueCount; ++i) {
        const UInt8* b = bytes + ptrdiff_t(i) * 4;
        key[i] = UCCollationValue(b[0]) << 24 | UCCollationValue(b[1]) << 16 |
                 UCCollationValue(b[2]) << 8 | b[3];
    }
}

} // namespace

OSStatus UCCompareTextDefault(UCCollateOptions options, const UniChar* text1Ptr,
                              UniCharCount text1Length, const UniChar* text2Ptr,
                              UniCharCount text2Length, Boolean* equivalent, SInt32* order) {
    if (!ValidText(text1Ptr, text1Length) || !ValidText(text2Ptr, text2Length) ||
        (!equivalent && !order))
        return paramErr;
    const UCollator* collator = CollatorFor(options);
    if (!collator) return kCollateMissingUnicodeTableErr;
    return TellOrder(ucol_strcoll(collator, ICUText(text1Ptr), int32_t(text1Length),
                                  ICUText(text2Ptr), int32_t(text2Length)),
                     equivalent, order);
}

OSStatus UCCreateCollator(LocaleRef locale, LocaleOperationVariant, UCCollateOptions options,
                          CollatorRef* collatorRef) {
    if (locale || !collatorRef) return paramErr;
    UCollator* collator = CollatorFor(options);
    *collatorRef = reinterpret_cast<CollatorRef>(collator);
    return collator ? noErr : kCollateMissingUnicodeTableErr;
}

// The collators belong to the process-wide table; nothing is released here.
OSStatus UCDisposeCollator(CollatorRef* collatorRef) {
    if (!collatorRef) return paramErr;
    *collatorRef = nullptr;
    return noErr;
}

OSStatus UCGetCollationKey(CollatorRef collatorRef, const UniChar* textPtr, UniCharCount textLength,
                           ItemCount maxKeySize, ItemCount* actualKeySize,
                           UCCollationValue collationKey[]) {
    if (!collatorRef || !ValidText(textPtr, textLength) || !actualKeySize ||
        (!collationKey && maxKeySize))
        return paramErr;
    int32_t room = int32_t(std::min<ItemCount>(maxKeySize, INT32_MAX / 4) * 4);
    int32_t byteCount =
        ucol_getSortKey(CollatorOf(collatorRef), ICUText(textPtr), int32_t(textLength),
                        reinterpret_cast<uint8_t*>(collationKey), room);
    *actualKeySize = ItemCount((byteCount + 3) / 4);
    if (byteCount == 0) return paramErr;
    if (*actualKeySize > maxKeySize) return kCollateBufferTooSmall;
    PackKeyBytes(collationKey, byteCount);
    return noErr;
}

OSStatus UCCompareCollationKeys(const UCCollationValue* key1Ptr, ItemCount key1Length,
                                const UCCollationValue* key2Ptr, ItemCount key2Length,
                                Boolean* equivalent, SInt32* order) {
    if ((!key1Ptr && key1Length) || (!key2Ptr && key2Length) || (!equivalent && !order))
        return paramErr;
    const UCCollationValue *end1 = key1Ptr + key1Length, *end2 = key2Ptr + key2Length;
    auto [at1, at2] = std::mismatch(key1Ptr, end1, key2Ptr, end2);
    // A key that ends first is a prefix of the other and orders first.
    if (at1 == end1 || at2 == end2)
        return TellOrder(int(at1 != end1) - int(at2 != end2), equivalent, order);
    return TellOrder(*at1 < *at2 ? -1 : 1, equivalent, order);
}
