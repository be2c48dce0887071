#include "Korvane/ListDialog/JATextSearch.h"

#include "Platform/Script.h"
#include "Platform/TextUtils.h"

#include <algorithm>

namespace {

// A field's text in lower case, in every script, as the search compares it.
struct Lowered {
    explicit Lowered(ConstStr255Param text) : length(text[0]) {
        for (int i = 0; i < length; ++i)
            bytes[i] = char(text[i + 1]);
        LowercaseText(bytes, SInt16(length), smSystemScript);
    }
    int length;
    char bytes[255];
};

// The text lowered once; each field is lowered as it is compared.
struct FoldedText {
    explicit FoldedText(ConstStr255Param text) : wanted(text) {}
    bool StartsAt(const Lowered& field, int at) const {
        return at + wanted.length <= field.length &&
               std::equal(wanted.bytes, wanted.bytes + wanted.length, field.bytes + at);
    }
    bool StartsIn(ConstStr255Param field) const { return StartsAt(Lowered(field), 0); }
    bool In(ConstStr255Param field) const {
        const Lowered lowered(field);
        for (int at = 0; at + wanted.length <= lowered.length; ++at)
            if (StartsAt(lowered, at)) return true;
        return false;
    }

    Lowered wanted;
};

} // namespace

SInt16 JAFindText(const JASettingBlock* block, ConstStr255Param text, SInt16 after) {
    const FoldedText wanted(text);
    const SInt16 count = block->entryCount;
    for (SInt16 step = 1; step <= count; ++step) {
        const SInt16 index = SInt16((after + step) % count);
        const JASetting& entry = block->records[index];
        if (wanted.In(entry.loginName) || wanted.In(entry.userName) || wanted.In(entry.accountID))
            return index;
    }
    return -1;
}

SInt16 JAFindUserNameStart(const JASettingBlock* block, ConstStr255Param text, SInt16 first,
                           SInt16 last) {
    const FoldedText wanted(text);
    for (SInt16 index = first; index <= last && index < block->entryCount; ++index)
        if (wanted.StartsIn(block->records[index].userName)) return index;
    return -1;
}
