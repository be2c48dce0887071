// Test support: runs the code under test on the headless display with a script given as text,
// collects what the scripts print and what the display reports, and leaves no window, menu bar,
// alert parameter, event or display behind.
#pragma once

#include "Platform/MacTypes.h"

#include <sstream>
#include <string>

namespace platform::display {
class HeadlessBackend;
}

namespace testsupport {

class HeadlessDriver {
  public:
    explicit HeadlessDriver(const std::string& scriptText = "") { Script(scriptText); }
    ~HeadlessDriver();
    HeadlessDriver(const HeadlessDriver&) = delete;
    HeadlessDriver& operator=(const HeadlessDriver&) = delete;

    // Input from now on comes from this script, on a clock that starts again at 0; what the
    // earlier scripts printed is kept.
    void Script(const std::string& scriptText);

    // Every "print" so far, and the beeps.
    std::string Printouts() const { return printouts_.str(); }
    // What the display reported: lines the script could not act on, the end of the script.
    std::string Messages() const { return messages_.str(); }
    bool ScriptEndedEarly() const;
    UInt32 Ticks() const;

  private:
    std::ostringstream printouts_, messages_;
    platform::display::HeadlessBackend* backend_ = nullptr;
};

} // namespace testsupport
