#include "NavigationRecorder.h"
#include "Platform/MacErrors.h"
#include "TestSupport/ChooserScene.h"
#include "Windows/Window.h"

#include <gmock/gmock.h>

using namespace testsupport;
using ::testing::ElementsAre;
using ::testing::HasSubstr;

TEST(NavigationPutFile, AnswersWithTheFolderAndNameThenTerminates) {
    ChooserScene scene;
    scene.Folder("Sub");
    scene.Script("print\n"
                 "click item 7\n" // stationery
                 "choose \"Sub/Report.txt\"\n");
    NavigationRecorder recorder;
    NavDialogRef dialog = recorder.PutFileDialog();
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(NavDialogRun(dialog), noErr);
    EXPECT_THAT(recorder.selectors, ElementsAre(kNavCBUserAction, kNavCBTerminate));
    EXPECT_EQ(recorder.action, kNavUserActionSaveAs);
    EXPECT_TRUE(recorder.validReply);
    EXPECT_EQ(recorder.selectionType, typeFSRef);
    EXPECT_EQ(recorder.folder, scene.Path("Sub"));
    EXPECT_EQ(recorder.name, "Report.txt");
    EXPECT_FALSE(recorder.replacing);
    EXPECT_TRUE(recorder.stationery);
    EXPECT_TRUE(platform::windows::WindowList().empty());
    const std::string printed = scene.Display().Printouts();
    EXPECT_THAT(printed, HasSubstr("window \"Korvane\" dialog front"));
    EXPECT_THAT(printed, HasSubstr("  item 1 button \"Save\" active default\n"
                                   "  item 2 button \"Cancel\" active cancel\n"
                                   "  item 3 edit \"Export.txt\" focus selection 0-10\n"
                                   "  item 4 static \"In: " +
                                   scene.folder.str() + "\" disabled\n"));
    EXPECT_THAT(printed, HasSubstr("  item 7 checkbox \"Stationery\" off active\n"));
}

TEST(NavigationPutFile, AsksBeforeReplacingAndRefusesImpossibleNames) {
    ChooserScene scene;
    scene.File("Old.txt");
    scene.Script("choose \"Old.txt\"\n"
                 "print\n"
                 "click item 2\n" // don't replace: the chooser stays
                 "choose \"Nowhere/New.txt\"\n"
                 "choose \"._New.txt\"\n"
                 "choose \"Old.txt\"\n"
                 "click item 1\n");
    NavigationRecorder recorder;
    EXPECT_EQ(NavDialogRun(recorder.PutFileDialog()), noErr);
    EXPECT_EQ(recorder.action, kNavUserActionSaveAs);
    EXPECT_EQ(recorder.folder, scene.folder.str());
    EXPECT_EQ(recorder.name, "Old.txt");
    EXPECT_TRUE(recorder.replacing);
    EXPECT_FALSE(recorder.stationery);
    const std::string printed = scene.Display().Printouts();
    EXPECT_THAT(printed, HasSubstr("  alert caution\n"
                                   "  item 1 button \"Replace\" active\n"
                                   "  item 2 button \"Cancel\" active default cancel\n"
                                   "  item 3 static \"\xE2\x80\x9COld.txt\xE2\x80\x9D already "
                                   "exists."));
    EXPECT_EQ(scene.Beeps(), 2u);
    EXPECT_FALSE(scene.Display().ScriptEndedEarly());
}

// While the dialog runs, the other windows are drawn and activated through the callback, and
// the quit Apple event waits until it is over.
TEST(NavigationPutFile, ModalDialogPassesOtherWindowsEventsAndHoldsBackQuit) {
    ChooserScene scene;
    DialogRef other = GetNewDialog(kSomeDialogID, nullptr, reinterpret_cast<WindowRef>(-1));
    ASSERT_NE(other, nullptr);
    EventRecord event;
    ASSERT_TRUE(WaitNextEvent(activMask, &event, 0, nullptr)); // the other window is active
    scene.Script("quit\n"
                 "cancel\n");
    NavigationRecorder recorder;
    EXPECT_EQ(NavDialogRun(recorder.PutFileDialog()), noErr);
    EXPECT_THAT(recorder.selectors, ElementsAre(kNavCBUserAction, kNavCBTerminate));
    EXPECT_EQ(recorder.action, kNavUserActionCancel);
    EXPECT_FALSE(recorder.validReply);
    auto otherMessage = reinterpret_cast<unsigned long>(GetDialogWindow(other));
    bool updated = false, deactivated = false;
    for (const EventRecord& passed : recorder.events) {
        EXPECT_EQ(passed.message, otherMessage); // never the dialog's own events
        updated |= passed.what == updateEvt;
        deactivated |= passed.what == activateEvt && !(passed.modifiers & activeFlag);
    }
    EXPECT_TRUE(updated);
    EXPECT_TRUE(deactivated);
    ASSERT_TRUE(WaitNextEvent(highLevelEventMask, &event, 0, nullptr));
    EXPECT_EQ(event.what, kHighLevelEvent);
}

// The callback may end the dialog, or dispose of it, while the dialog's own loop runs.
TEST(NavigationPutFile, ModalDialogEndsWhenItsCallbackEndsIt) {
    ChooserScene scene;
    GetNewDialog(kSomeDialogID, nullptr, reinterpret_cast<WindowRef>(-1)); // has an update due
    NavigationRecorder terminating;
    terminating.onFirstEvent = [](NavDialogRef dialog) {
        EXPECT_EQ(NavCustomControl(dialog, kNavCtlTerminate, nullptr), noErr);
    };
    EXPECT_EQ(NavDialogRun(terminating.PutFileDialog()), noErr);
    EXPECT_THAT(terminating.selectors, ElementsAre(kNavCBTerminate));
    EXPECT_EQ(terminating.action, kNavUserActionNone);

    GetNewDialog(kSomeDialogID, nullptr, reinterpret_cast<WindowRef>(-1));
    NavigationRecorder disposing;
    disposing.onFirstEvent = [](NavDialogRef dialog) { NavDialogDispose(dialog); };
    EXPECT_EQ(NavDialogRun(disposing.PutFileDialog()), noErr);
    EXPECT_TRUE(disposing.selectors.empty());
    EXPECT_EQ(platform::windows::WindowList().size(), 2u); // the two others only
    EXPECT_FALSE(scene.Display().ScriptEndedEarly());      // no input was needed
}
