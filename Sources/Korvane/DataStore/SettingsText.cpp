#include "Korvane/DataStore/SettingsText.h"

#include <algorithm>
#include <cstring>

namespace {

constexpr UInt8 kCR = 13;
constexpr UInt8 kLF = 10;
constexpr UInt8 kComma = ',';

// A block's count is trusted no further than its slots.
SInt16 EntriesInUse(const JASettingBlock* block) {
    return std::clamp<SInt16>(block->entryCount, 0, kJASettingSlots);
}

SInt32 FieldBytes(ConstStr255Param field) {
    const void* zero = std::memchr(field + 1, 0, field[0]);
    return zero ? SInt32(static_cast<const UInt8*>(zero) - (field + 1)) : field[0];
}

UInt8* PutField(UInt8* text, ConstStr255Param field) {
    SInt32 bytes = FieldBytes(field);
    std::memcpy(text, field + 1, size_t(bytes));
    return text + bytes;
}

// Appends bytes to a field, which keeps its first 255.
void Append(StringPtr field, const UInt8* bytes, size_t count) {
    count = std::min<size_t>(count, 255 - field[0]);
    std::memcpy(field + 1 + field[0], bytes, count);
    field[0] = UInt8(field[0] + count);
}

// A run of a line without LF: commas end the login name and the ID; the user name takes the
// rest, commas and all.
void AppendRun(const UInt8* begin, const UInt8* end, StringPtr* fields, int* field) {
    while (*field < 2) {
        const void* comma = std::memchr(begin, kComma, size_t(end - begin));
        if (!comma) break;
        Append(fields[*field], begin, size_t(static_cast<const UInt8*>(comma) - begin));
        ++*field;
        begin = static_cast<const UInt8*>(comma) + 1;
    }
    Append(fields[*field], begin, size_t(end - begin));
}

// Stores the line from begin up to its CR at end.
void StoreLine(const UInt8* begin, const UInt8* end, JASetting* record) {
    StringPtr fields[3] = {record->loginName, record->accountID, record->userName};
    for (StringPtr field : fields)
        field[0] = 0;
    int field = 0;
    while (begin < end) {
        const void* lf = std::memchr(begin, kLF, size_t(end - begin));
        const UInt8* runEnd = lf ? static_cast<const UInt8*>(lf) : end;
        AppendRun(begin, runEnd, fields, &field);
        begin = lf ? runEnd + 1 : end;
    }
    record->duplicateFlag = false;
}

} // namespace

SInt32 JASettingLineCapacity(const JASetting& entry) {
    return entry.loginName[0] + entry.accountID[0] + entry.userName[0] + 4;
}

UInt8* PutJASettingLine(const JASetting& entry, UInt8* text) {
    text = PutField(text, entry.loginName);
    *text++ = kComma;
    text = PutField(text, entry.accountID);
    *text++ = kComma;
    text = PutField(text, entry.userName);
    *text++ = kCR;
    *text++ = kLF;
    return text;
}

SInt32 JASettingTextCapacity(const JASettingBlock* block) {
    SInt32 capacity = 0;
    for (SInt16 i = 0; i < EntriesInUse(block); ++i)
        capacity += JASettingLineCapacity(block->records[i]);
    return capacity;
}

SInt32 MakeJASettingText(const JASettingBlock* block, UInt8* text) {
    UInt8* start = text;
    for (SInt16 i = 0; i < EntriesInUse(block); ++i)
        text = PutJASettingLine(block->records[i], text);
    return SInt32(text - start);
}

namespace {

// Each line is stored in the slot slotFor gives for its index, then handed to taken.
template <typename SlotFor, typename Taken>
SInt16 ReadLines(const UInt8* text, SInt32 length, SlotFor slotFor, Taken taken) {
    const UInt8* end = text + length;
    SInt16 count = 0;
    while (count < kJAMaxEntries && text < end) {
        const void* cr = std::memchr(text, kCR, size_t(end - text));
        if (!cr) break; // bytes after the last CR are no line
        JASetting* slot = slotFor(count);
        StoreLine(text, static_cast<const UInt8*>(cr), slot);
        taken(*slot, count++);
        text = static_cast<const UInt8*>(cr) + 1;
        if (text < end && *text == kLF) ++text; // the usual CR LF, skipped without a search
    }
    return count;
}

} // namespace

void ReadJASettingText(const UInt8* text, SInt32 length, JASettingBlock* block) {
    block->entryCount = ReadLines(
        text, length, [block](SInt16 index) { return &block->records[index]; },
        [](const JASetting&, SInt16) {});
}

SInt16 VisitJASettingText(const UInt8* text, SInt32 length, JASettingVisitor visit, void* refCon) {
    JASetting entry;
    return ReadLines(
        text, length, [&entry](SInt16) { return &entry; },
        [visit, refCon](const JASetting& line, SInt16 index) { visit(line, index, refCon); });
}
