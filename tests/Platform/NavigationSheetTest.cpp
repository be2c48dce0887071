#include "NavigationRecorder.h"
#include "Platform/MacErrors.h"
#include "TestSupport/ChooserScene.h"
#include "Windows/Window.h"

#include <gmock/gmock.h>

using namespace testsupport;
using ::testing::ElementsAre;
using ::testing::IsEmpty;

namespace {

std::string ClickAt(Point where) {
    return "click " + std::to_string(where.h) + " " + std::to_string(where.v) + "\n";
}

// The application's own loop: every event WaitNextEvent returns until the script is over.
std::vector<EventRecord> RunApplicationLoop(HeadlessDriver& display) {
    std::vector<EventRecord> seen;
    while (!display.ScriptEndedEarly()) {
        EventRecord event;
        if (WaitNextEvent(everyEvent, &event, 10, nullptr)) seen.push_back(event);
    }
    return seen;
}

std::vector<EventRecord> OfKind(const std::vector<EventRecord>& events, EventKind what) {
    std::vector<EventRecord> found;
    for (const EventRecord& event : events)
        if (event.what == what) found.push_back(event);
    return found;
}

class NavigationSheet : public ::testing::Test {
  protected:
    NavigationSheet()
        : parent_(GetNewDialog(kSomeDialogID, nullptr, reinterpret_cast<WindowRef>(-1))),
          parent(GetDialogWindow(parent_)) {}

    ChooserScene scene;
    DialogRef parent_;
    WindowRef parent;
    NavigationRecorder recorder;
};

} // namespace

TEST_F(NavigationSheet, LetsTheApplicationRunAndAnswersFromInsideItsLoop) {
    DialogRef other = GetNewDialog(kSomeDialogID, nullptr, nullptr);
    MoveWindow(GetDialogWindow(other), 16, 560, false);
    Rect otherBox = platform::windows::ContentBounds(GetDialogWindow(other));
    Rect parentTitle = platform::windows::TitleBarBounds(parent);
    Point otherCentre{SInt16((otherBox.top + otherBox.bottom) / 2),
                      SInt16((otherBox.left + otherBox.right) / 2)};
    Point onParentTitle{SInt16(parentTitle.top + 8), SInt16(parentTitle.right - 16)};
    // A menu key and a click in another window are the application's; the click on the parent's
    // title bar is the sheet's, which blocks the parent.
    scene.Script("key e cmd\n" + ClickAt(otherCentre) + ClickAt(onParentTitle) +
                 "choose \"Report.txt\"\n");

    NavDialogRef dialog = recorder.PutFileDialog(parent);
    ASSERT_EQ(NavDialogRun(dialog), noErr);
    EXPECT_THAT(recorder.selectors, IsEmpty()); // still running
    WindowRef sheet = FrontWindow();
    ASSERT_NE(sheet, parent);
    EXPECT_EQ(platform::windows::TitleBarBounds(sheet).top,
              platform::windows::ContentBounds(parent).top); // hangs from the parent's title

    std::vector<EventRecord> seen = RunApplicationLoop(scene.Display());
    std::vector<EventRecord> keys = OfKind(seen, keyDown);
    ASSERT_EQ(keys.size(), 1u); // what was typed for the sheet never reached the application
    EXPECT_EQ(keys[0].message & charCodeMask, UInt32('e'));
    EXPECT_TRUE(keys[0].modifiers & cmdKey);
    std::vector<EventRecord> clicks = OfKind(seen, mouseDown);
    ASSERT_EQ(clicks.size(), 1u);
    EXPECT_EQ(clicks[0].where.h, otherCentre.h);
    EXPECT_EQ(clicks[0].where.v, otherCentre.v);

    EXPECT_THAT(recorder.selectors, ElementsAre(kNavCBUserAction, kNavCBTerminate));
    EXPECT_EQ(recorder.action, kNavUserActionSaveAs);
    EXPECT_EQ(recorder.folder, scene.folder.str());
    EXPECT_EQ(recorder.name, "Report.txt");
    EXPECT_EQ(platform::windows::WindowList().size(), 2u); // the sheet is gone
}

TEST_F(NavigationSheet, CancelAnswersWhileTerminateAndDisposeEndItWithoutAnAnswer) {
    scene.Script("cancel\n");
    NavigationRecorder cancelling;
    ASSERT_EQ(NavDialogRun(cancelling.PutFileDialog(parent)), noErr);
    RunApplicationLoop(scene.Display());
    EXPECT_THAT(cancelling.selectors, ElementsAre(kNavCBUserAction, kNavCBTerminate));
    EXPECT_EQ(cancelling.action, kNavUserActionCancel);
    EXPECT_FALSE(cancelling.validReply);

    NavDialogRef dialog = recorder.PutFileDialog(parent);
    ASSERT_EQ(NavDialogRun(dialog), noErr);
    EXPECT_EQ(NavDialogRun(dialog), paramErr); // runs once
    EXPECT_EQ(NavCustomControl(dialog, 31, nullptr), paramErr);
    EXPECT_EQ(NavCustomControl(dialog, kNavCtlTerminate, nullptr), noErr);
    EXPECT_THAT(recorder.selectors, ElementsAre(kNavCBTerminate)); // which disposed of it
    EXPECT_EQ(FrontWindow(), parent);
    EXPECT_EQ(NavCustomControl(dialog, kNavCtlTerminate, nullptr), paramErr);

    NavigationRecorder quiet;
    dialog = quiet.PutFileDialog(parent);
    ASSERT_EQ(NavDialogRun(dialog), noErr);
    NavDialogDispose(dialog);
    EXPECT_THAT(quiet.selectors, IsEmpty());
    EXPECT_EQ(FrontWindow(), parent);
}
