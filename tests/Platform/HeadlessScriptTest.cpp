#include "Display/Headless/HeadlessScript.h"
#include "Platform/Display.h"
#include "Platform/Events.h"
#include "TestSupport/TempFolder.h"

#include <fstream>
#include <gtest/gtest.h>
#include <sstream>

using namespace platform::display;
using namespace testsupport;

namespace {

HeadlessScript Parse(const std::string& text) {
    std::istringstream in(text);
    return ParseHeadlessScript(in);
}

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

TEST(HeadlessScript, ReportsTheFirstBadLineByNumber) {
    const struct {
        const char* script;
        const char* error;
    } cases[] = {
        {"print\nclik 1 2\n", "line 2: unknown command 'clik'"},
        {"click 1\n", "line 1: a number is missing"},
        {"click item x\n", "line 1: 'x' is not a number"},
        {"type hello\n", "line 1: a \"quoted text\" is missing"},
        {"\n\ntype \"open\n", "line 3: a quote is not closed"},
        {"key return now\n", "line 1: unexpected 'now'"},
        {"key f13\n", "line 1: unknown key 'f13'"},
        {"drag 1 2 3 4\n", "line 1: 'to' is missing"},
        {"wait -5\n", "line 1: time cannot run backwards"},
        {"click 99999 0\n", "line 1: point out of range"},
        {"menu #x1\n", "line 1: '#x1' is not a command ID"},
        {"menu #'quit\n", "line 1: '#'quit' is not a command ID"},
        {"menu #0\n", "line 1: no menu item has command ID 0"},
        {"menu # a comment\n", "line 1: '#' is not a command ID"},
        {"print list\n", "line 1: 'all' is missing"},
        {"print cells detail\n", "line 1: unexpected 'detail'"},
        {"print \"a\" \"b\"\n", "line 1: unexpected 'b'"},
        {"front Account\n", "line 1: a \"quoted text\" is missing"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Parse(c.script).error, c.error) << c.script;
    EXPECT_TRUE(Parse("click 99999 0\n").commands.empty());
}

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
