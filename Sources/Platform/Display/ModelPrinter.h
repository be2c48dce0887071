// The whole screen model as text: the menu bar, then every visible window front to back with
// its contents. Stable from run to run, so that scripts and tests can compare it.
#pragma once

#include <ostream>

namespace platform::display {

void PrintModel(std::ostream& out, unsigned long ticks);

} // namespace platform::display
