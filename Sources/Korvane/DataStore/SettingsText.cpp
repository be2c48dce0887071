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

// Commas end the login name and the ID; the user name takes the rest, commas and all.
void StoreLine(const UInt8* begin, const UInt8* end, JASetting* record) {
    StringPtr fields[3] = {record->loginName, record->accountID, record->userName};
    for (StringPtr field : fields)
        field[0] = 0;
    int field = 0;
    for (; field < 2; ++field) {
        const void* comma = std::memchr(begin, kComma, size_t(end - begin));
        if (!comma) break;
        Append(fields[field], begin, size_t(static_cast<const UInt8*>(comma) - begin));
        begin = static_cast<const UInt8*>(comma) + 1;
    }
    Append(fields[field], begin, size_t(end - begin));
    record->duplicateFlag = false;
}

// What a line holds that the list cannot keep as it stands.
JALineFault FaultOf(const UInt8* begin, const UInt8* end) {
    if (std::memchr(begin, 0, size_t(end - begin))) return kJALineZeroByte;
    const UInt8* fieldStart = begin;
    int commas = 0;
    for (const UInt8* at = begin; at <= end; ++at) {
        const bool fieldEnds = at == end || (*at == kComma && commas < 2);
        if (!fieldEnds) continue;
        if (at - fieldStart > 255) return kJALineFieldTooLong;
        if (at < end) ++commas;
        fieldStart = at + 1;
    }
    return commas < 2 ? kJALineFewerCommas : kJALineWhole;
}

// The lines of a text one by one: each ends at CR LF, CR or LF, and a last one at the text's
// end. visit(begin, end, index) returns false to stop. The number of lines visited.
template <typename Visit> SInt32 ForEachLine(const UInt8* text, SInt32 length, Visit visit) {
    const UInt8* end = text + length;
    SInt32 count = 0;
    while (text < end) {
        const UInt8* lineEnd =
            std::find_if(text, end, [](UInt8 byte) { return byte == kCR || byte == kLF; });
        if (!visit(text, lineEnd, count++)) break;
        text = lineEnd;
        if (text < end && *text++ == kCR && text < end && *text == kLF) ++text;
    }
    return count;
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
    SInt16 count = 0;
    ForEachLine(text, length, [&](const UInt8* begin, const UInt8* end, SInt32) {
        if (count == kJAMaxEntries) return false;
        JASetting* slot = slotFor(count);
        StoreLine(begin, end, slot);
        taken(*slot, count++);
        return true;
    });
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

SInt32 VisitJASettingFaults(const UInt8* text, SInt32 length, JALineFaultVisitor visit,
                            void* refCon) {
    SInt32 faults = 0;
    ForEachLine(text, length, [&](const UInt8* begin, const UInt8* end, SInt32 index) {
        const JALineFault fault = index >= kJAMaxEntries ? kJALinePastLimit : FaultOf(begin, end);
        if (fault == kJALineWhole) return true;
        ++faults;
        if (visit) visit(index + 1, fault, refCon);
        return true;
    });
    return faults;
}

JAUntakenLines SurveyJASettingText(const UInt8* text, SInt32 length) {
    JAUntakenLines survey{0, 0};
    survey.count = VisitJASettingFaults(
        text, length,
        [](SInt32 line, JALineFault, void* refCon) {
            SInt32& first = static_cast<JAUntakenLines*>(refCon)->firstLine;
            if (first == 0) first = line;
        },
        &survey);
    return survey;
}
