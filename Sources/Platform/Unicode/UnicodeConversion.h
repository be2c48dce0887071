// UTF-8 and UTF-16 conversions for the platform's Unicode interfaces. Both refuse malformed
// input (overlong forms, surrogates in UTF-8, unpaired surrogates in UTF-16).
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace platform {

std::optional<std::u16string> Utf8ToUtf16(std::string_view text);
std::optional<std::string> Utf16ToUtf8(std::u16string_view text);

} // namespace platform
