#include "Display/Headless/HeadlessScript.h"

#include <gtest/gtest.h>
#include <sstream>

using namespace platform::display;

namespace {

HeadlessScript Parse(const std::string& text) {
    std::istringstream in(text);
    return ParseHeadlessScript(in);
}

} // namespace

TEST(HeadlessScript, ReadsEveryCommandWithItsArguments) {
    HeadlessScript script = Parse("# a session\n"
                                  "click 120 48\n"
                                  "click item 14\n"
                                  "doubleclick row 3 column 1\n"
                                  "click close\n"
                                  "drag 10 10 to 200 300\n"
                                  "hold 400 100 30\n"
                                  "type \"say \\\"hi\\\"\"\n"
                                  "key e cmd at 50 60\n"
                                  "key return\n"
                                  "menu \"Sort\" \"By ID\"\n"
                                  "\n"
                                  "wait 120   # two seconds\n"
                                  "admin \"root\" \"secret\"\n"
                                  "admin cancel\n"
                                  "choose \"/tmp/list.csv\"\n"
                                  "quit\n"
                                  "print\n");
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

TEST(HeadlessScript, ReportsTheFirstBadLineByNumber) {
    EXPECT_EQ(Parse("print\nclik 1 2\n").error, "line 2: unknown command 'clik'");
    EXPECT_EQ(Parse("click 1\n").error, "line 1: a number is missing");
    EXPECT_EQ(Parse("click item x\n").error, "line 1: 'x' is not a number");
    EXPECT_EQ(Parse("type hello\n").error, "line 1: a \"quoted text\" is missing");
    EXPECT_EQ(Parse("\n\ntype \"open\n").error, "line 3: a quote is not closed");
    EXPECT_EQ(Parse("key return now\n").error, "line 1: unexpected 'now'");
    EXPECT_EQ(Parse("key f13\n").error, "line 1: unknown key 'f13'");
    EXPECT_EQ(Parse("drag 1 2 3 4\n").error, "line 1: 'to' is missing");
    EXPECT_EQ(Parse("wait -5\n").error, "line 1: time cannot run backwards");
    EXPECT_EQ(Parse("click 99999 0\n").error, "line 1: point out of range");
    EXPECT_TRUE(Parse("click 99999 0\n").commands.empty());
}
