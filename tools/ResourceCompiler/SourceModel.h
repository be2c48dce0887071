// A resource source after reading: blocks of lines of tokens.
#pragma once

#include "CompileError.h"

#include <optional>
#include <string>
#include <vector>

namespace rc {

enum class TokenKind {
    Word,   // bare: keywords, numbers, rectangles, colours
    String, // "..." with its escapes decoded
    Code,   // '....': a four-character code
};

struct Token {
    TokenKind kind = TokenKind::Word;
    std::string text;
};

struct SourceLine {
    Location where;
    std::vector<Token> tokens;
    std::optional<std::string> text; // set for a "| text" line, which has no tokens
};

struct Block {
    Location where; // the header line
    std::string keyword;
    std::vector<Token> header; // the tokens after the keyword
    std::vector<SourceLine> body;
};

} // namespace rc
