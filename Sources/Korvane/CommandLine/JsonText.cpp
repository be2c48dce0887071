#include "Korvane/CommandLine/JsonText.h"

#include "Korvane/DataStore/AccountChanges.h"

#include <cstdio>

namespace {

// The length of the well-formed UTF-8 sequence at text[at], or 0 when there is none.
size_t SequenceLength(std::string_view text, size_t at) {
    const auto byte = [&](size_t i) { return static_cast<unsigned char>(text[i]); };
    const unsigned char lead = byte(at);
    size_t length = lead < 0x80           ? 1
                    : (lead >> 5) == 0x6  ? 2
                    : (lead >> 4) == 0xe  ? 3
                    : (lead >> 3) == 0x1e ? 4
                                          : 0;
    if (length == 0 || at + length > text.size()) return 0;
    for (size_t i = 1; i < length; ++i)
        if ((byte(at + i) & 0xc0) != 0x80) return 0;
    // Overlong forms, surrogates and values past U+10FFFF are not UTF-8.
    const unsigned char second = length > 1 ? byte(at + 1) : 0;
    if ((length == 2 && lead < 0xc2) || (length == 3 && lead == 0xe0 && second < 0xa0) ||
        (length == 3 && lead == 0xed && second >= 0xa0) ||
        (length == 4 && lead == 0xf0 && second < 0x90) || (length == 4 && lead > 0xf4) ||
        (length == 4 && lead == 0xf4 && second >= 0x90))
        return 0;
    return length;
}

std::string Escaped(const char* format, unsigned value) {
    char text[8];
    std::snprintf(text, sizeof text, format, value);
    return text;
}

} // namespace

std::string JsonString(std::string_view text) {
    std::string json = "\"";
    for (size_t at = 0; at < text.size();) {
        const unsigned char c = static_cast<unsigned char>(text[at]);
        const size_t length = SequenceLength(text, at);
        if (length == 0)
            json += Escaped("\\udc%02x", c);
        else if (c == '"' || c == '\\')
            json += std::string("\\") + char(c);
        else if (c < 0x20 || c == 0x7f)
            json += Escaped("\\u%04x", c);
        else
            json.append(text.substr(at, length));
        at += length ? length : 1;
    }
    return json + "\"";
}

std::string JsonID(ConstStr255Param accountID) {
    const std::string_view id = FieldOf(accountID);
    bool number = !id.empty() && id.size() <= 15 && (id[0] != '0' || id.size() == 1);
    for (const char c : id)
        number = number && c >= '0' && c <= '9';
    return number ? std::string(id) : JsonString(id);
}

std::string JsonAccount(const JASetting& entry) {
    return "{\"login\": " + JsonString(FieldOf(entry.loginName)) +
           ", \"id\": " + JsonID(entry.accountID) +
           ", \"user\": " + JsonString(FieldOf(entry.userName)) + "}";
}

size_t ShownLength(std::string_view text) {
    size_t shown = 0;
    for (size_t at = 0; at < text.size(); ++shown) {
        const size_t length = SequenceLength(text, at);
        at += length ? length : 1;
    }
    return shown;
}
