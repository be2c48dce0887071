// Help texts as written in a source: "| " lines or a text file, joined into paragraphs, with
// *bold* and _underlined_ spans when the text is styled.
#pragma once

#include "CompileError.h"

#include <cstdint>
#include <string>
#include <vector>

namespace rc {

struct TextSourceLine {
    Location where;
    std::string text;
};

// A change of face at a byte offset of the text; faces are the style bits (bold 1, underline 4).
struct FaceRun {
    std::uint32_t start = 0;
    std::uint8_t face = 0;
};

struct AssembledText {
    std::string text;          // lines end in CR, the text editor's line break
    std::vector<FaceRun> runs; // starts at offset 0; empty for plain text
};

// Lines that follow each other join with a blank into one paragraph; an empty line separates
// paragraphs; a line that begins with "- " starts a new line of its own (a list item).
// With markup, "*" toggles bold and "_" underline; "\" takes the next character as it is.
// Throws CompileError for an unclosed span.
AssembledText AssembleText(const std::vector<TextSourceLine>& lines, bool markup);

} // namespace rc
