// Test support: runs the code under test on the headless display with a script given as text,
// collects what the scripts print and what the display reports, and leaves no window, menu bar,
// alert parameter, event or display behind.
#pragma once

#include "Display/Headless/HeadlessBackend.h"
#include "Platform/Dialogs.h"
#include "Platform/Menus.h"
#include "Windows/Window.h"

#include <gtest/gtest.h>
#include <sstream>
#include <string>

namespace testsupport {

class HeadlessDriver {
  public:
    explicit HeadlessDriver(const std::string& scriptText = "") { Script(scriptText); }
    ~HeadlessDriver() {
        while (!platform::windows::WindowList().empty()) {
            WindowRef window = platform::windows::WindowList().front();
            if (DialogRef dialog = GetDialogFromWindow(window))
                DisposeDialog(dialog);
            else
                DisposeWindow(window);
        }
        ClearMenuBar();
        const unsigned char empty[1] = {0};
        ParamText(empty, empty, empty, empty);
        FlushEvents(everyEvent, 0);
        platform::display::InstallBackend(nullptr);
    }
    HeadlessDriver(const HeadlessDriver&) = delete;
    HeadlessDriver& operator=(const HeadlessDriver&) = delete;

    // Input from now on comes from this script, on a clock that starts again at 0; what the
    // earlier scripts printed is kept.
    void Script(const std::string& scriptText) {
        std::istringstream in(scriptText);
        platform::display::HeadlessScript script = platform::display::ParseHeadlessScript(in);
        EXPECT_EQ(script.error, "") << "the test's script does not parse";
        auto backend =
            std::make_unique<platform::display::HeadlessBackend>(script, printouts_, messages_);
        backend_ = backend.get();
        platform::display::InstallBackend(std::move(backend));
    }

    // Every "print" so far, and the beeps.
    std::string Printouts() const { return printouts_.str(); }
    // What the display reported: lines the script could not act on, the end of the script.
    std::string Messages() const { return messages_.str(); }
    bool ScriptEndedEarly() const { return backend_->ScriptEndedEarly(); }
    UInt32 Ticks() const { return backend_->Ticks(); }

  private:
    std::ostringstream printouts_, messages_;
    platform::display::HeadlessBackend* backend_ = nullptr;
};

} // namespace testsupport
