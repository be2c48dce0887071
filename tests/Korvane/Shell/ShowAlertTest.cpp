#include "Korvane/Shell/ShowAlert.h"
#include "Korvane/ShellFixture.h"
#include "Platform/Display.h"
#include "TestSupport/PString.h"

#include <fstream>
#include <gmock/gmock.h>

using namespace testsupport;
using ::testing::HasSubstr;

namespace {

using ShowAlertTest = ShellFixture;

std::string ErrorString(SInt16 index) {
    Str255 text;
    GetIndString(text, 128, index);
    return TextOf(text);
}

// Alert 130 as the display prints it, with its message.
std::string AlertShowing(const std::string& message) {
    return "  alert caution\n"
           "  item 1 button \"OK\" active default cancel\n"
           "  item 2 static \"" +
           message + "\" disabled\n";
}

// The program's loop in small: the list and the editor over it until the quit event; OK in the
// editor asks the replace question. Both are closed with their positions recorded.
void RunEditorOverList(GlueRec* context) {
    const SInt16 ids[] = {1007, 1008};
    DialogRef dialogs[2];
    for (int i = 0; i < 2; ++i) {
        dialogs[i] = GetSavedDialog(context, ids[i], nullptr, WindowRef(-1));
        ShowWindow(GetDialogWindow(dialogs[i]));
    }
    EventRecord event;
    while (!WaitNextEvent(everyEvent, &event, 30, nullptr) || event.what != kHighLevelEvent) {
        DialogRef hit = nullptr;
        DialogItemIndex item = 0;
        if (IsDialogEvent(&event) && DialogSelect(&event, &hit, &item) && hit == dialogs[1] &&
            item == 1) {
            const DialogItemIndex answer = CautionAlert(1011, nullptr);
            std::cerr << "alert answered with item " << answer << "\n";
        }
    }
    for (int i = 1; i >= 0; --i) {
        SaveTheDialogPosition(context, dialogs[i], ids[i]);
        DisposeDialog(dialogs[i]);
    }
}

} // namespace

TEST_F(ShowAlertTest, EachCodeShowsItsMessageAndLeavesTheParametersEmpty) {
    // A commit whose file is in place but not flushed, or that met a folder others can change.
    const std::pair<short, SInt16> cases[] = {{-43, 5}, {-108, 4}, {-120, 8},  {-192, 3}, {-48, 1},
                                              {-50, 1}, {5464, 9}, {5465, 10}, {7, 1}};
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

// The script ends while the question is open: it is cancelled and the program ends.
TEST_F(ShowAlertTest, AScriptThatEndsEarlyCancelsTheAlertAndEndsTheProgram) {
    TempFolder scripts;
    const std::string path = scripts / "early.script";
    std::ofstream(path) << "type \"ann\"\nclick item 1\n";
    EXPECT_EXIT(
        {
            PlatformUseHeadlessDisplay(path.c_str());
            RunEditorOverList(&context);
            std::exit(0);
        },
        ::testing::ExitedWithCode(kHeadlessScriptEndedEarlyStatus),
        "script ended before the program did.*alert answered with item 2.*exit status 3");
    EXPECT_EQ(SavedPosition(1008), (DialogPositionRec{112, 64}));
    EXPECT_EQ(SavedPosition(1007), (DialogPositionRec{48, 40}));
}
