// Test support: Str255 values built from ordinary text, and read back.
#pragma once

#include "Platform/MacTypes.h"

#include <cstring>
#include <string>
#include <string_view>

namespace testsupport {

inline void SetPascal(unsigned char* pascal, std::string_view text) {
    pascal[0] = UInt8(text.size());
    std::memcpy(pascal + 1, text.data(), pascal[0]);
}

} // namespace testsupport

struct PString {
    Str255 bytes{};

    explicit PString(std::string_view text) { testsupport::SetPascal(bytes, text); }
    operator StringPtr() { return bytes; }
    operator ConstStr255Param() const { return bytes; }
};

inline std::string TextOf(ConstStr255Param s) {
    return std::string(s + 1, s + 1 + s[0]);
}
