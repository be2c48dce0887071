#include "Korvane/ListDialog/JATextSearch.h"

namespace {

unsigned char Folded(unsigned char c) {
    return c >= 'A' && c <= 'Z' ? (unsigned char)(c - 'A' + 'a') : c;
}

// The text folded once, so each comparison folds only the field's bytes.
struct FoldedText {
    explicit FoldedText(ConstStr255Param text) : length(text[0]) {
        for (int i = 0; i < length; ++i)
            bytes[i] = Folded(text[i + 1]);
    }
    bool StartsAt(ConstStr255Param field, int at) const {
        if (at + length > field[0]) return false;
        for (int i = 0; i < length; ++i)
            if (Folded(field[at + 1 + i]) != bytes[i]) return false;
        return true;
    }
    bool In(ConstStr255Param field) const {
        for (int at = 0; at + length <= field[0]; ++at)
            if (StartsAt(field, at)) return true;
        return false;
    }

    int length;
    unsigned char bytes[255];
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
        if (wanted.StartsAt(block->records[index].userName, 0)) return index;
    return -1;
}
