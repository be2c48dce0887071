#include "Korvane/ImportExport/ImportParse.h"

#include <algorithm>
#include <cstring>

namespace {

constexpr UInt8 kCR = 13;
constexpr UInt8 kLF = 10;
constexpr UInt8 kComma = ',';
constexpr UInt8 kByteOrderMark[] = {0xEF, 0xBB, 0xBF};

const UInt8* LineEnd(const UInt8* text, const UInt8* end) {
    while (text < end && *text != kCR && *text != kLF)
        ++text;
    return text;
}

// An LF right after a CR belongs to it.
const UInt8* NextLine(const UInt8* lineEnd, const UInt8* end) {
    if (lineEnd == end) return end;
    const Boolean crlf = *lineEnd == kCR && lineEnd + 1 < end && lineEnd[1] == kLF;
    return lineEnd + (crlf ? 2 : 1);
}

void SetField(StringPtr field, const UInt8* begin, const UInt8* end) {
    field[0] = UInt8(std::min<ptrdiff_t>(end - begin, 255));
    std::memcpy(field + 1, begin, field[0]);
}

const UInt8* Comma(const UInt8* begin, const UInt8* end) {
    return static_cast<const UInt8*>(std::memchr(begin, kComma, size_t(end - begin)));
}

// Commas after the second belong to the user name. False, the slot untouched, for a line with
// fewer than two commas.
Boolean StoreLine(const UInt8* begin, const UInt8* end, JASetting* slot) {
    end = std::min(end, begin + kImportLineBytes);
    const UInt8* first = Comma(begin, end);
    const UInt8* second = first ? Comma(first + 1, end) : nullptr;
    if (!second) return false;
    *slot = JASetting{};
    SetField(slot->loginName, begin, first);
    SetField(slot->accountID, first + 1, second);
    SetField(slot->userName, second + 1, end);
    slot->invalidFlag = first - begin > 255;
    return true;
}

// The lines that hold bytes from text on.
SInt32 LinesWithBytes(const UInt8* text, const UInt8* end) {
    SInt32 count = 0;
    while (text < end) {
        const UInt8* lineEnd = LineEnd(text, end);
        count += lineEnd > text;
        text = NextLine(lineEnd, end);
    }
    return count;
}

} // namespace

SInt16 ParseImportText(const UInt8* text, UInt32 length, JASettingBlock* staged,
                       ImportLines* lines) {
    const SInt16 used = std::clamp<SInt16>(staged->entryCount, 0, kJASettingSlots);
    const UInt8* end = text + length;
    if (length >= sizeof kByteOrderMark && std::memcmp(text, kByteOrderMark, 3) == 0) text += 3;
    SInt16 count = 0, rejected = 0;
    for (SInt16 line = 0; line < kJASettingSlots && text < end; ++line) {
        const UInt8* lineEnd = LineEnd(text, end);
        if (StoreLine(text, lineEnd, &staged->records[count])) {
            if (lines) lines->ofSlot[count] = line + 1;
            ++count;
        } else if (lineEnd > text) {
            if (lines) lines->incomplete[rejected] = line + 1;
            ++rejected;
        }
        text = NextLine(lineEnd, end);
    }
    if (lines) lines->incompleteCount = rejected;
    if (lines) lines->unread = LinesWithBytes(text, end);
    std::fill(staged->records + count, staged->records + std::max(count, used), JASetting{});
    staged->entryCount = count;
    return rejected;
}
