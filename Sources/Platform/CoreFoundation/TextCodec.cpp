#include "CoreFoundation/TextCodec.h"

#include "Unicode/UnicodeConversion.h"

#include <type_traits>

namespace platform::cf {

namespace {

template <class To, class From> std::optional<To> ConvertASCII(const From& from) {
    To to;
    for (auto unit : from) {
        if (std::make_unsigned_t<decltype(unit)>(unit) > 0x7F) return std::nullopt;
        to += typename To::value_type(unit);
    }
    return to;
}

} // namespace

std::optional<std::u16string> DecodeText(std::string_view bytes, CFStringEncoding encoding) {
    switch (encoding) {
    case kCFStringEncodingUTF8:
        return Utf8ToUtf16(bytes);
    case kCFStringEncodingASCII:
        return ConvertASCII<std::u16string>(bytes);
    default:
        return std::nullopt;
    }
}

std::optional<std::string> EncodeText(std::u16string_view text, CFStringEncoding encoding) {
    switch (encoding) {
    case kCFStringEncodingUTF8:
        return Utf16ToUtf8(text);
    case kCFStringEncodingASCII:
        return ConvertASCII<std::string>(text);
    default:
        return std::nullopt;
    }
}

} // namespace platform::cf
