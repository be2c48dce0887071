// Text on the 8 x 16 grid, as every display lays it out: UTF-8 characters, one cell each, and
// static texts wrapped at word boundaries.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace platform::display {

// The bytes of the UTF-8 character that starts with lead.
size_t CharacterLength(unsigned char lead);
// The cells a UTF-8 text takes: one a character.
int Characters(std::string_view text);
// The bytes of text's first count characters.
size_t BytesOf(std::string_view text, int count);
// Words wrapped at width characters, at most maxLines lines; a CR in the text starts a new line.
std::vector<std::string> WrappedLines(std::string_view text, int width, int maxLines);

} // namespace platform::display
