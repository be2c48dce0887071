// Test support: the whole screen model as the headless display prints it.
#pragma once

#include <string>

namespace testsupport {

// The menu bar, then every visible window front to back with its contents, at tick 0.
std::string ModelPrintout();

} // namespace testsupport
