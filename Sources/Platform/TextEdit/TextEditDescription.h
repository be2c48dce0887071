// How a window's text edits read in the model printout.
#pragma once

#include "Platform/MacWindows.h"

#include <ostream>

namespace platform::textedit {

// Each text edit drawing in the window: its lines, height and scroll position, then the lines
// the view shows, bold as *text* and underlined as _text_.
void DescribeTextEdits(std::ostream& out, WindowRef window);

} // namespace platform::textedit
