// Conversion between the two supported byte encodings and the UTF-16 text of strings.
#pragma once

#include "Platform/CoreFoundation.h"

#include <optional>
#include <string>
#include <string_view>

namespace platform::cf {

// Empty when the bytes are not valid in the encoding or the encoding is not supported.
std::optional<std::u16string> DecodeText(std::string_view bytes, CFStringEncoding encoding);
// Empty when a character cannot be expressed in the encoding.
std::optional<std::string> EncodeText(std::u16string_view text, CFStringEncoding encoding);

} // namespace platform::cf
