#include "Korvane/ShowAlert.h"
#include "ShellFixture.h"

#include <gmock/gmock.h>

using namespace testsupport;
using ::testing::HasSubstr;

namespace {

using ShowAlertTest = ShellFixture;

std::string ErrorString(SInt16 index) {
    Str255 text;
    GetIndString(text, 128, index);
    return std::string(reinterpret_cast<char*>(text + 1), text[0]);
}

// Alert 130 as the display prints it, with its message.
std::string AlertShowing(const std::string& message) {
    return "  alert caution\n"
           "  item 1 button \"OK\" active default cancel\n"
           "  item 2 static \"" +
           message + "\" disabled\n";
}

} // namespace

TEST_F(ShowAlertTest, EachCodeShowsItsMessageAndLeavesTheParametersEmpty) {
    const std::pair<short, SInt16> cases[] = {{-43, 5}, {-108, 4}, {-120, 8}, {-192, 3},
                                              {-48, 1}, {-50, 1},  {7, 1}};
    for (auto [code, index] : cases) {
        ASSERT_NE(ErrorString(index), "");
        display.Script("print\nkey return\n");
        EXPECT_TRUE(ShowAlert(nullptr, code));
        EXPECT_THAT(display.Printouts(), HasSubstr(AlertShowing(ErrorString(index)))) << code;
        EXPECT_FALSE(display.ScriptEndedEarly());

        display.Script("print\nkey return\n");
        CautionAlert(130, nullptr);
        EXPECT_THAT(display.Printouts(), testing::EndsWith(AlertShowing("") + "---\n")) << code;
    }
}

TEST_F(ShowAlertTest, NoErrorShowsNothingButStillClearsTheParameters) {
    const unsigned char leftOver[] = "\x09left over";
    ParamText(leftOver, leftOver, leftOver, leftOver);
    display.Script("print\nkey return\n");
    EXPECT_TRUE(ShowAlert(&context, noErr));
    EXPECT_EQ(display.Printouts(), ""); // the script was not asked for anything
    CautionAlert(130, nullptr);
    EXPECT_THAT(display.Printouts(), HasSubstr(AlertShowing("")));
    EXPECT_EQ(SetMainAlertInfo(), noErr);
}
