#include "Korvane/ListDialog/NameOrder.h"

#include "MorrowCommon_2/MyUnknownSizePtrClass.h"
#include "Platform/MacErrors.h"

#include <algorithm>

namespace {

// Room for the key of an ordinary name; a longer key is made again in the room it asks for.
constexpr ItemCount kKeyValues = 64;
constexpr SInt32 kValueBytes = sizeof(UCCollationValue);

struct KeyedName {
    SInt32 keyOffset; // bytes into the key pool, until the pool stops moving
    ItemCount keyLength;
    const UCCollationValue* key;
    ConstStr255Param name;
    SInt16 record;
};

// Appends the key of the text to the pool.
OSErr AppendKey(CollatorRef collator, const UniChar* units, UniCharCount length,
                MyUnknownSizePtrClass* pool, ItemCount* keyLength) {
    const SInt32 start = pool->size;
    ItemCount room = kKeyValues;
    OSStatus status;
    do {
        pool->size = start;
        if (OSErr err = pool->ExtendTheSize(SInt32(room) * kValueBytes)) return err;
        auto* key = reinterpret_cast<UCCollationValue*>(pool->storage + start);
        status = UCGetCollationKey(collator, units, length, room, keyLength, key);
        room = *keyLength;
    } while (status == kCollateBufferTooSmall);
    if (status != noErr) return OSErr(status);
    pool->size = start + SInt32(*keyLength) * kValueBytes;
    return noErr;
}

OSErr MakeKeys(JASetting* records, SInt16 count, Str255 JASetting::*field, KeyedName* names,
               MyUnknownSizePtrClass* pool) {
    CollatorRef collator = nullptr;
    OSErr err = OSErr(UCCreateCollator(nullptr, 0, kNameOrderOptions, &collator));
    UniChar units[kNameUnits];
    for (SInt16 i = 0; err == noErr && i < count; ++i) {
        names[i] = KeyedName{pool->size, 0, nullptr, records[i].*field, i};
        err = AppendKey(collator, units, NameCharacters(names[i].name, units), pool,
                        &names[i].keyLength);
    }
    UCDisposeCollator(&collator);
    for (SInt16 i = 0; err == noErr && i < count; ++i)
        names[i].key =
            reinterpret_cast<const UCCollationValue*>(pool->storage + names[i].keyOffset);
    return err;
}

bool KeyedNameBefore(const KeyedName& x, const KeyedName& y) {
    SInt32 order = 0;
    UCCompareCollationKeys(x.key, x.keyLength, y.key, y.keyLength, nullptr, &order);
    return ThenByBytes(order, x.name, y.name) < 0;
}

// Moves record names[i].record to index i, going round each cycle of the order once.
void PutInOrder(JASetting* records, KeyedName* names, SInt16 count) {
    for (SInt16 start = 0; start < count; ++start) {
        if (names[start].record == start) continue;
        JASetting held = records[start];
        SInt16 to = start;
        while (names[to].record != start) {
            SInt16 from = names[to].record;
            records[to] = records[from];
            names[to].record = to;
            to = from;
        }
        records[to] = held;
        names[to].record = to;
    }
}

} // namespace

OSErr SortByNameKeys(JASetting* records, SInt16 count, Str255 JASetting::*field) {
    if (count < 2) return noErr;
    MyUnknownSizePtrClass nameBlock, pool;
    pool.growStep = SInt32(count) * SInt32(kKeyValues / 4) * kValueBytes; // seldom moves
    OSErr err = nameBlock.ExtendTheSize(SInt32(count) * SInt32(sizeof(KeyedName)));
    auto* names = reinterpret_cast<KeyedName*>(nameBlock.storage);
    if (err == noErr) err = MakeKeys(records, count, field, names, &pool);
    if (err != noErr) return err;
    std::sort(names, names + count, KeyedNameBefore);
    PutInOrder(records, names, count);
    return noErr;
}
