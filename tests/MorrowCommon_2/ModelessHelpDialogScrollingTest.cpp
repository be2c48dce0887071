#include "ModelessHelpDialogFixture.h"

using namespace testsupport;

namespace {

using HelpWindowScrolling = TestHelpWindowFixture;

constexpr SInt16 kBarCentre = 552, kUpArrow = 56;
constexpr SInt16 kTallOverflow = 63 * 16 - kTextViewHeight; // 708

} // namespace

// A text of 1008 pixels in a 300-pixel view: the bar runs from 0 to 708, a step is a pixel, a
// page is the view, and the text follows the value.
TEST_F(HelpWindowScrolling, TheScrollBarActionStepsWithinTheRange) {
    Open(kHelpDialog, kTallTopics);
    ControlRef bar = Rec()->scrollBar;
    EXPECT_EQ(ScrollMaximum(), kTallOverflow);
    SetControlReference(bar, reinterpret_cast<SRefCon>(Rec()));
    const struct {
        SInt16 from;
        ControlPartCode part;
        SInt16 to;
    } steps[] = {
        {0, kControlUpButtonPart, 0},       {0, kControlDownButtonPart, 1},
        {708, kControlDownButtonPart, 708}, {600, kControlPageDownPart, 708},
        {400, kControlPageDownPart, 700},   {700, kControlPageUpPart, 400},
        {200, kControlPageUpPart, 0},       {333, kControlIndicatorPart, 333},
    };
    for (const auto& step : steps) {
        SetControlValue(bar, step.from);
        ModelessHelpDialogScrollBarAction(bar, step.part);
        EXPECT_EQ(ScrollValue(), step.to) << "from " << step.from << " by part " << step.part;
        EXPECT_EQ(Scrolled(), step.to);
    }
}

// 2100 lines are 33600 pixels, more than a control's value can count.
TEST_F(HelpWindowScrolling, ATextTallerThanTheRangeScrollsAsFarAsItGoes) {
    Open(kHelpDialog, kTallTopics);
    ChangeTheModelessHelpDialogMessage(Rec(), 1);
    SetModelessHelpDialogScrollBarStatus(Rec());
    EXPECT_EQ(ScrollMaximum(), 32767);
    SetControlValue(Rec()->scrollBar, 32767);
    ScrollModelessHelpDialogBarAdjustToCurrentControlValue(Rec());
    EXPECT_EQ(Scrolled(), 32767);
    EXPECT_EQ((**Rec()->textEdit).destRect.top, kTextViewTop - 32767);
}

TEST_F(HelpWindowScrolling, ThePointerScrollsTheText) {
    Open(kHelpDialog, kTallTopics);
    Run("drag " + At(kBarCentre, 72) + " to " + At(kBarCentre, 202) + "\n");
    EXPECT_EQ(ScrollValue(), 130 * kTallOverflow / 260); // 130 of the thumb's 260 pixels
    EXPECT_EQ(Scrolled(), ScrollValue());

    Run("hold " + At(kBarCentre, kUpArrow) + " 30\n");
    EXPECT_LE(ScrollValue(), 354 - 25);
    EXPECT_EQ(Scrolled(), ScrollValue());
}
