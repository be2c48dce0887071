#include "Display/TextLayout.h"

#include "Platform/Quickdraw.h"

#include <algorithm>

namespace platform::display {

size_t CharacterLength(unsigned char lead) {
    if (lead >= 0xF0) return 4;
    if (lead >= 0xE0) return 3;
    if (lead >= 0xC0) return 2;
    return 1;
}

int Characters(std::string_view text) {
    return TextWidth(text.data(), 0, SInt16(std::min<size_t>(text.size(), 32767))) / kFontCharWidth;
}

size_t BytesOf(std::string_view text, int count) {
    size_t at = 0;
    for (int i = 0; i < count && at < text.size(); ++i)
        at += CharacterLength(static_cast<unsigned char>(text[at]));
    return std::min(at, text.size());
}

std::vector<std::string> WrappedLines(std::string_view text, int width, int maxLines) {
    std::vector<std::string> lines;
    std::string line;
    auto flush = [&] {
        lines.push_back(line);
        line.clear();
    };
    size_t at = 0;
    while (at < text.size() && int(lines.size()) < maxLines) {
        const size_t end = text.find_first_of(" \r", at);
        const std::string_view word =
            text.substr(at, end == std::string_view::npos ? end : end - at);
        const std::string candidate =
            line.empty() ? std::string(word) : line + " " + std::string(word);
        if (!line.empty() && Characters(candidate) > width) flush();
        if (int(lines.size()) >= maxLines) break;
        line = line.empty() ? std::string(word) : line + " " + std::string(word);
        if (end == std::string_view::npos) break;
        if (text[end] == '\r') flush();
        at = end + 1;
    }
    if (!line.empty() && int(lines.size()) < maxLines) flush();
    return lines;
}

} // namespace platform::display
