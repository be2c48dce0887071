#include "TestSupport/HeadlessDriver.h"

#include "Display/Headless/HeadlessBackend.h"
#include "Platform/Dialogs.h"
#include "Platform/Menus.h"
#include "Windows/Window.h"

#include <gtest/gtest.h>
#include <memory>

namespace testsupport {

HeadlessDriver::~HeadlessDriver() {
    // Hidden windows too, which the public calls do not reach.
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

void HeadlessDriver::Script(const std::string& scriptText) {
    std::istringstream in(scriptText);
    platform::display::HeadlessScript script = platform::display::ParseHeadlessScript(in);
    EXPECT_EQ(script.error, "") << "the test's script does not parse";
    auto backend =
        std::make_unique<platform::display::HeadlessBackend>(script, printouts_, messages_);
    backend_ = backend.get();
    platform::display::InstallBackend(std::move(backend));
}

bool HeadlessDriver::ScriptEndedEarly() const {
    return backend_->ScriptEndedEarly();
}

UInt32 HeadlessDriver::Ticks() const {
    return backend_->Ticks();
}

} // namespace testsupport
