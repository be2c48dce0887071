#include "ModelessHelpDialogFixture.h"

#include "MorrowCommon_2/MyControlHilite.h"

#include <gmock/gmock.h>

using namespace testsupport;
using ::testing::ElementsAre;
using ::testing::IsEmpty;

namespace {

using HelpWindowEvents = TestHelpWindowFixture;

constexpr SInt16 kListLeft = 100, kBelowThreeRows = 200; // empty space in the topic list

EventRecord Key(UInt8 charCode) {
    EventRecord event{};
    event.what = keyDown;
    event.message = charCode;
    return event;
}

} // namespace

TEST_F(HelpWindowEvents, ClicksInTheListChangeTheTopicOnlyForAnotherRow) {
    Open(kHelpDialog, kTallTopics);
    SetControlValue(Rec()->scrollBar, 300);
    ScrollModelessHelpDialogBarAdjustToCurrentControlValue(Rec());

    // Another row: its text from the top, and the scroll bar for it.
    Run("click row 2\n");
    EXPECT_EQ(Rec()->currentTopic, 2);
    EXPECT_EQ(Selected(), 2);
    EXPECT_EQ(Text(), "Plain text");
    EXPECT_EQ(ScrollValue(), 0);
    EXPECT_EQ(Scrolled(), 0);
    EXPECT_EQ(ScrollMaximum(), 0);
    EXPECT_EQ(GetControlHilite(Rec()->scrollBar), kControlInactivePart);

    Run("click row 0\n");
    EXPECT_EQ(Rec()->currentTopic, 0);
    EXPECT_EQ(ScrollMaximum(), 1008 - kTextViewHeight);
    EXPECT_EQ(GetControlHilite(Rec()->scrollBar), kControlNoPart);
    SetControlValue(Rec()->scrollBar, 300);
    ScrollModelessHelpDialogBarAdjustToCurrentControlValue(Rec());

    // The same row again, then empty list space: the topic and its place stay.
    Run("click row 0\n"
        "click " +
        At(kListLeft, kBelowThreeRows) + "\n");
    EXPECT_EQ(Rec()->currentTopic, 0);
    EXPECT_EQ(Selected(), 0);
    EXPECT_EQ(ScrollValue(), 300);
    EXPECT_EQ(Scrolled(), 300);
    EXPECT_EQ(Text().rfind("line 1\r", 0), 0u);
}

TEST_F(HelpWindowEvents, TheCloseButtonAndTheClosingKeysCloseTheWindow) {
    // The button itself and the return key are driven through the program.
    for (UInt8 charCode : {UInt8(13), UInt8(3), UInt8(27)}) {
        Open(kHelpDialog, kThreeTopics);
        EventRecord key = Key(charCode);
        DialogItemIndex item = 0;
        const UInt32 start = display.Ticks();
        EXPECT_TRUE(ModelessHelpDialogFilterProc(help, &key, &item));
        EXPECT_EQ(item, 1);
        EXPECT_EQ(display.Ticks() - start, 10u) << "the button flashes for 10 ticks";
        EXPECT_EQ(MyGetControlHilite(help, 1), 0);
        ModelessHelpDialogItemProc(&help, item);
        EXPECT_EQ(help, nullptr);
    }

    // Other keys are the standard filter's, which has nothing to do with them.
    Open(kHelpDialog, kThreeTopics);
    EventRecord key = Key('a');
    DialogItemIndex item = 0;
    EXPECT_FALSE(ModelessHelpDialogFilterProc(help, &key, &item));
    EXPECT_EQ(item, 0);
    Run("key escape\n");
    EXPECT_EQ(help, nullptr);
}

// The window's content is drawn afresh, as after being uncovered.
TEST_F(HelpWindowEvents, AnUpdateFramesTheListAndTheTextAndDrawsBoth) {
    Open(kHelpDialog, kThreeTopics);
    ForgetDrawn(GetDialogPort(help));
    EventRecord update{};
    update.what = updateEvt;
    Route(update); // another window's
    EXPECT_THAT(DrawnOf(DrawnKind::ListBoxFrame), IsEmpty());

    update.message = reinterpret_cast<unsigned long>(Window());
    Route(update);
    EXPECT_THAT(DrawnOf(DrawnKind::ListBoxFrame), ElementsAre("16,48 208,356", "224,48 560,356"));
    EXPECT_THAT(DrawnOf(DrawnKind::Text),
                ElementsAre("Styled text at 228,52 316,68", "Styled at 21,49 69,65",
                            "Plain at 21,65 61,81", "Missing at 21,81 77,97"));
    EXPECT_THAT(DrawnOf(DrawnKind::Highlight), ElementsAre("17,49 192,65"));
}
