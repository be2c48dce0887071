// Reads the values of one source line in order, naming the line in every error.
#pragma once

#include "SourceModel.h"

#include "Platform/MacTypes.h"

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace rc {

struct Colour {
    UInt16 red = 0;
    UInt16 green = 0;
    UInt16 blue = 0;
};

// A word that stands for a number, as "scroll-bar" for a control definition.
using NamedValues = std::vector<std::pair<std::string_view, std::int64_t>>;

class TokenReader {
  public:
    TokenReader(Location where, std::span<const Token> tokens)
        : where_(std::move(where)), tokens_(tokens) {}

    const Location& where() const { return where_; }
    bool atEnd() const { return next_ == tokens_.size(); }
    bool acceptWord(std::string_view word);
    bool nextIs(TokenKind kind) const { return !atEnd() && tokens_[next_].kind == kind; }

    std::string word(std::string_view what);
    std::int64_t integer(std::int64_t min, std::int64_t max);
    SInt16 id() { return SInt16(integer(-32768, 32767)); }
    // A name from the table, or a number in the range.
    std::int64_t choice(const NamedValues& names, std::int64_t min, std::int64_t max);
    std::string string(size_t maxBytes);
    ResType code();
    bool yesNo();
    Rect rect(); // "left,top widthxheight"
    Colour colour();
    void expectEnd();

    [[noreturn]] void fail(const std::string& reason) const;

  private:
    const Token& take(std::string_view what);

    Location where_;
    std::span<const Token> tokens_;
    size_t next_ = 0;
};

// The number a word spells (decimal, or hexadecimal after 0x), or nothing.
std::optional<std::int64_t> ParseNumber(std::string_view text);

} // namespace rc
