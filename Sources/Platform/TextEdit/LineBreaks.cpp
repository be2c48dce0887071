#include "TextEdit/LineBreaks.h"

#include "Platform/Quickdraw.h"

namespace platform::textedit {

namespace {

constexpr char kReturn = '\r';

// The byte after the character that starts at i.
size_t NextCharacter(std::string_view text, size_t i) {
    do
        ++i;
    while (i < text.size() && (UInt8(text[i]) & 0xC0) == 0x80);
    return i;
}

// The end of the line that starts at start.
size_t LineEnd(std::string_view text, size_t start, SInt16 width) {
    SInt32 used = 0;
    size_t afterSpace = 0;
    for (size_t i = start; i < text.size(); ++i) {
        if (text[i] == kReturn) return i + 1;
        SInt16 advance = TextWidth(text.data(), SInt16(i), 1);
        if (text[i] != ' ' && advance > 0 && used + advance > width) {
            if (afterSpace) return afterSpace;
            return i > start ? i : NextCharacter(text, i); // at least one character a line
        }
        used += advance;
        if (text[i] == ' ') afterSpace = i + 1;
    }
    return text.size();
}

} // namespace

std::vector<SInt32> BreakLines(std::string_view text, SInt16 width) {
    std::vector<SInt32> starts;
    for (size_t start = 0; start < text.size(); start = LineEnd(text, start, width))
        starts.push_back(SInt32(start));
    return starts;
}

} // namespace platform::textedit
