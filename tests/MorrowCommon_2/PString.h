// Builds Str255 values from ordinary text for the tests, and reads them back.
#pragma once

#include "Platform/MacTypes.h"

#include <cstring>
#include <string>
#include <string_view>

struct PString {
    Str255 bytes{};

    explicit PString(std::string_view text) {
        bytes[0] = UInt8(text.size());
        std::memcpy(bytes + 1, text.data(), bytes[0]);
    }
    operator StringPtr() { return bytes; }
    operator ConstStr255Param() const { return bytes; }
};

inline std::string TextOf(ConstStr255Param s) {
    return std::string(s + 1, s + 1 + s[0]);
}
