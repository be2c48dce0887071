// Where a text's lines start when it is laid out across a width.
#pragma once

#include "Platform/MacTypes.h"

#include <string_view>
#include <vector>

namespace platform::textedit {

// One start a line. A CR ends its line; spaces never push a line past the width (they hang at
// its end); a word longer than a line is cut where it reaches the width. A final CR does not
// start an empty line.
std::vector<SInt32> BreakLines(std::string_view text, SInt16 width);

} // namespace platform::textedit
