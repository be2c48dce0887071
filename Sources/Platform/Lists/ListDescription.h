// How a window's lists read in the model printout.
#pragma once

#include "Platform/MacWindows.h"

#include <ostream>

namespace platform::lists {

// Each list of the window: its size, scroll position and selection, then its shown rows, or
// with allRows every row.
void DescribeLists(std::ostream& out, WindowRef window, bool allRows = false);

} // namespace platform::lists
