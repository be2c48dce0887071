// The whole screen model as text: the menu bar, then every visible window front to back with
// its contents. Stable from run to run, so that scripts and tests can compare it.
#pragma once

#include <ostream>
#include <string>

namespace platform::display {

// What a printout shows beyond the plain model; a plain printout never changes its lines.
struct PrintOptions {
    std::string label;    // in the header line, to match printouts to steps
    bool detail = false;  // items' rectangles and alerts' resource numbers
    bool allRows = false; // every row of the front window's list, not only those shown
};

void PrintModel(std::ostream& out, unsigned long ticks, const PrintOptions& options = {});

// "--- WHAT at tick T ---", or "--- WHAT "LABEL" at tick T ---".
void PrintHeader(std::ostream& out, const char* what, const std::string& label,
                 unsigned long ticks);

} // namespace platform::display
