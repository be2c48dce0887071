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

TEST(HeadlessScript, ReadsEveryCommandWithItsArguments) {
    HeadlessScript script = Parse(
        "# a session\nclick 120 48\nclick item 14\ndoubleclick row 3 column 1\nclick close\n"
        "drag 10 10 to 200 300\nhold 400 100 30\ntype \"say \\\"hi\\\"\"\nkey e cmd at 50 60\n"
        "key return\nmenu \"Sort\" \"By ID\"\n\nwait 120   # two seconds\nadmin \"root\" "
        "\"secret\"\n"
        "admin cancel\nchoose \"/tmp/list.csv\"\nquit\nprint\n");
    ASSERT_EQ(script.error, "");
    ASSERT_EQ(script.commands.size(), 16u);
    const auto& c = script.commands;
    EXPECT_EQ(c[0].line, 2);
    EXPECT_EQ(c[0].point.h, 120);
    EXPECT_EQ(c[0].point.v, 48);
    EXPECT_EQ(c[1].target, ScriptTarget::Item);
    EXPECT_EQ(c[1].number, 14);
    EXPECT_EQ(c[2].verb, ScriptVerb::DoubleClick);
    EXPECT_EQ(c[2].target, ScriptTarget::Row);
    EXPECT_EQ(c[2].column, 1);
    EXPECT_EQ(c[3].target, ScriptTarget::CloseBox);
    EXPECT_EQ(c[4].to.h, 200);
    EXPECT_EQ(c[5].number, 30);
    EXPECT_EQ(c[6].text, "say \"hi\"");
    EXPECT_EQ(c[7].charCode, 'e');
    EXPECT_EQ(c[7].modifiers, 0x0100);
    EXPECT_TRUE(c[7].hasPoint);
    EXPECT_FALSE(c[8].hasPoint);
    EXPECT_EQ(c[8].charCode, 13);
    EXPECT_EQ(c[9].text2, "By ID");
    EXPECT_EQ(c[10].line, 13);
    EXPECT_EQ(c[11].text2, "secret");
    EXPECT_EQ(c[12].text, "");
    EXPECT_EQ(c[15].verb, ScriptVerb::Print);
}

TEST(HeadlessScript, ReadsTheFormsOfPrint) {
    HeadlessScript script =
        Parse("print \"step 1\"\nprint detail list all \"two\"\nprint list all detail\n"
              "print cells \"pic\"\n");
    ASSERT_EQ(script.error, "");
    ASSERT_EQ(script.commands.size(), 4u);
    const auto& c = script.commands;
    EXPECT_EQ(c[0].print.label, "step 1");
    EXPECT_FALSE(c[0].print.detail || c[0].print.allRows);
    EXPECT_TRUE(c[1].print.detail && c[1].print.allRows);
    EXPECT_EQ(c[1].print.label, "two");
    EXPECT_TRUE(c[2].print.detail && c[2].print.allRows);
    EXPECT_EQ(c[3].text, "cells");
    EXPECT_EQ(c[3].print.label, "pic");
}

TEST(HeadlessScript, ReadsMenuCommandIDsWhereOtherwiseACommentStarts) {
    HeadlessScript script = Parse("menu #17 # by ID\nmenu #'quit'\nmenu #'ab c'\n"
                                  "menu \"File\" \"Import\" # #12\nwait 30 #5\n");
    ASSERT_EQ(script.error, "");
    ASSERT_EQ(script.commands.size(), 5u);
    const auto& c = script.commands;
    EXPECT_EQ(c[0].number, 17);
    EXPECT_EQ(c[0].text, "#17");
    EXPECT_EQ(UInt32(c[1].number), FOUR_CHAR_CODE("quit"));
    EXPECT_EQ(UInt32(c[2].number), FOUR_CHAR_CODE("ab c"));
    EXPECT_EQ(c[3].number, 0) << "a menu named by title, with a comment";
    EXPECT_EQ(c[3].text2, "Import");
    EXPECT_EQ(c[4].number, 30) << "# after the first word is still a comment";
}

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
