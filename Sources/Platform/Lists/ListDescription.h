// How a window's lists read in the model printout.
#pragma once

#include "Platform/MacWindows.h"

#include <ostream>

namespace platform::lists {

// Each list of the window: its size, scroll position and selection, then its shown rows.
void DescribeLists(std::ostream& out, WindowRef window);

} // namespace platform::lists
