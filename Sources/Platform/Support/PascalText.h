// Length-prefixed strings where the managers, which keep std::string inside, meet their callers.
#pragma once

#include "Platform/MacTypes.h"

#include <algorithm>
#include <string>
#include <string_view>

namespace platform {

// Null reads as empty.
inline std::string FromPascal(ConstStr255Param text) {
    return text ? std::string(reinterpret_cast<const char*>(text + 1), text[0]) : std::string();
}

// A longer text is cut at 255 bytes.
inline void ToPascal(std::string_view text, Str255 pascal) {
    size_t length = std::min<size_t>(text.size(), 255);
    pascal[0] = UInt8(length);
    text.copy(reinterpret_cast<char*>(pascal + 1), length);
}

} // namespace platform
