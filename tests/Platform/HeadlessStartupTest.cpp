#include "Platform/Display.h"
#include "Platform/Events.h"
#include "TestSupport/TempFolder.h"

#include <fstream>
#include <gtest/gtest.h>

using namespace testsupport;

namespace {

// Takes events until the quit event, as a program's loop would, then ends the process.
[[noreturn]] void RunUntilQuit(const std::string& scriptPath) {
    PlatformUseHeadlessDisplay(scriptPath.c_str());
    EventRecord event{};
    while (!WaitNextEvent(everyEvent, &event, 30, nullptr) || event.what != kHighLevelEvent)
        continue;
    std::exit(0);
}

class HeadlessStartup : public ::testing::Test {
  protected:
    std::string Script(const std::string& text) {
        std::ofstream(temp / "test.script") << text;
        return temp / "test.script";
    }

    TempFolder temp;
};

} // namespace

TEST_F(HeadlessStartup, AScriptThatCannotBeReadStopsBeforeAnythingRuns) {
    EXPECT_EXIT(PlatformUseHeadlessDisplay(Script("print\nclik 1 2\n").c_str()),
                ::testing::ExitedWithCode(kHeadlessScriptErrorStatus),
                "test.script: line 2: unknown command 'clik'");
    EXPECT_EXIT(PlatformUseHeadlessDisplay((temp / "missing.script").c_str()),
                ::testing::ExitedWithCode(kHeadlessScriptErrorStatus),
                "missing.script: No such file or directory");
}

TEST_F(HeadlessStartup, TheExitStatusTellsWhetherTheScriptRanOut) {
    EXPECT_EXIT(RunUntilQuit(Script("wait 5\nquit\nprint\n")), ::testing::ExitedWithCode(0), "");
    EXPECT_EXIT(RunUntilQuit(Script("wait 5\n")),
                ::testing::ExitedWithCode(kHeadlessScriptEndedEarlyStatus),
                "The script ended before the program did.*exit status 3");
}
