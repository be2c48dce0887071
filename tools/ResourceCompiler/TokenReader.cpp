#include "TokenReader.h"

#include <charconv>
#include <cstdint>

namespace rc {

namespace {

std::optional<std::int64_t> ParseUnsigned(std::string_view text, int base) {
    std::uint64_t value = 0;
    auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value, base);
    if (text.empty() || error != std::errc() || end != text.data() + text.size() ||
        value > std::uint64_t(INT64_MAX))
        return std::nullopt;
    return std::int64_t(value);
}

std::optional<std::pair<std::int64_t, std::int64_t>> SplitPair(std::string_view text,
                                                               char separator) {
    size_t at = text.find(separator);
    if (at == std::string_view::npos) return std::nullopt;
    auto first = ParseNumber(text.substr(0, at));
    auto second = ParseNumber(text.substr(at + 1));
    if (!first || !second) return std::nullopt;
    return std::pair{*first, *second};
}

std::string Describe(const Token& token) {
    switch (token.kind) {
    case TokenKind::String:
        return "the string \"" + token.text + "\"";
    case TokenKind::Code:
        return "the code '" + token.text + "'";
    case TokenKind::Word:
        break;
    }
    return "'" + token.text + "'";
}

} // namespace

std::optional<std::int64_t> ParseNumber(std::string_view text) {
    bool negative = !text.empty() && text[0] == '-';
    if (negative || (!text.empty() && text[0] == '+')) text.remove_prefix(1);
    bool hex = text.starts_with("0x") || text.starts_with("0X");
    auto value = ParseUnsigned(hex ? text.substr(2) : text, hex ? 16 : 10);
    if (!value) return std::nullopt;
    return negative ? -*value : *value;
}

void TokenReader::fail(const std::string& reason) const {
    throw CompileError(where_, reason);
}

const Token& TokenReader::take(std::string_view what) {
    if (atEnd()) fail("missing " + std::string(what));
    return tokens_[next_++];
}

bool TokenReader::acceptWord(std::string_view word) {
    if (atEnd() || tokens_[next_].kind != TokenKind::Word || tokens_[next_].text != word)
        return false;
    ++next_;
    return true;
}

std::string TokenReader::word(std::string_view what) {
    const Token& token = take(what);
    if (token.kind != TokenKind::Word)
        fail("expected " + std::string(what) + ", found " + Describe(token));
    return token.text;
}

std::int64_t TokenReader::integer(std::int64_t min, std::int64_t max) {
    return choice({}, min, max);
}

std::int64_t TokenReader::choice(const NamedValues& names, std::int64_t min, std::int64_t max) {
    std::string expected = "a number from " + std::to_string(min) + " to " + std::to_string(max);
    for (const auto& [name, value] : names)
        expected += ", " + std::string(name);
    const Token& token = take(expected);
    if (token.kind == TokenKind::Word) {
        for (const auto& [name, value] : names)
            if (token.text == name) return value;
        auto value = ParseNumber(token.text);
        if (value && *value >= min && *value <= max) return *value;
    }
    fail("expected " + expected + ", found " + Describe(token));
}

std::string TokenReader::string(size_t maxBytes) {
    const Token& token = take("a string");
    if (token.kind != TokenKind::String) fail("expected a string, found " + Describe(token));
    if (token.text.size() > maxBytes)
        fail("the string is " + std::to_string(token.text.size()) + " bytes long; at most " +
             std::to_string(maxBytes) + " fit");
    return token.text;
}

ResType TokenReader::code() {
    const Token& token = take("a four-character code");
    if (token.kind != TokenKind::Code || token.text.size() != 4)
        fail("expected a four-character code such as 'TEXT', found " + Describe(token));
    ResType result = 0;
    for (char c : token.text)
        result = (result << 8) | UInt8(c);
    return result;
}

bool TokenReader::yesNo() {
    return choice({{"yes", 1}, {"no", 0}}, 0, 1) != 0;
}

Rect TokenReader::rect() {
    const Token& origin = take("a position such as 16,32");
    auto position = SplitPair(origin.text, ',');
    if (origin.kind != TokenKind::Word || !position)
        fail("expected a position such as 16,32 (left,top), found " + Describe(origin));
    const Token& extent = take("a size such as 80x16");
    auto size = SplitPair(extent.text, 'x');
    if (extent.kind != TokenKind::Word || !size || size->first < 0 || size->second < 0)
        fail("expected a size such as 80x16 (width x height), found " + Describe(extent));
    std::int64_t left = position->first, top = position->second;
    std::int64_t right = left + size->first, bottom = top + size->second;
    for (std::int64_t edge : {left, top, right, bottom})
        if (edge < -32768 || edge > 32767) fail("the rectangle lies outside -32768 to 32767");
    return Rect{SInt16(top), SInt16(left), SInt16(bottom), SInt16(right)};
}

Colour TokenReader::colour() {
    const Token& token = take("a colour such as #FF8000");
    std::string_view text = token.text;
    bool shaped = token.kind == TokenKind::Word && text.starts_with('#') &&
                  (text.size() == 7 || text.size() == 13);
    auto digits = shaped ? ParseUnsigned(text.substr(1), 16) : std::nullopt;
    if (!digits) fail("expected a colour #RRGGBB or #RRRRGGGGBBBB, found " + Describe(token));
    // Two-digit components stand for the full 16-bit range: FF is FFFF.
    bool wide = text.size() == 13;
    unsigned bits = wide ? 16 : 8, scale = wide ? 1 : 257;
    auto component = [&](unsigned index) {
        return UInt16(((*digits >> (bits * (2 - index))) & ((1u << bits) - 1)) * scale);
    };
    return Colour{component(0), component(1), component(2)};
}

void TokenReader::expectEnd() {
    if (!atEnd()) fail("unexpected " + Describe(tokens_[next_]));
}

} // namespace rc
