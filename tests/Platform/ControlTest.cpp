#include "DialogTestFixture.h"

#include "Platform/Controls.h"

namespace {

// A window whose content starts at (100, 100), so that local = global - 100.
class Controls : public DialogFixture {
  protected:
    void SetUp() override {
        DialogFixture::SetUp();
        window_ = platform::windows::CreateWindow(Rect{100, 100, 500, 700}, "Controls", true, false,
                                                  0, reinterpret_cast<WindowRef>(-1));
    }
    ControlRef Make(SInt16 procID, Rect bounds, SInt16 max = 1) {
        return NewControl(window_, &bounds, reinterpret_cast<const unsigned char*>("\x02OK"), true,
                          0, 0, max, procID, 0);
    }
    ControlPartCode Find(SInt16 h, SInt16 v, ControlRef* found) {
        return FindControl(Point{v, h}, window_, found);
    }
    // The part TrackControl returns for the mouse-down the script makes first.
    ControlPartCode Track(ControlRef control, ControlActionUPP action = nullptr) {
        EventRecord down;
        while (!WaitNextEvent(mDownMask, &down, 10, nullptr)) {
        }
        Point local{SInt16(down.where.v - 100), SInt16(down.where.h - 100)};
        return TrackControl(control, local, action);
    }

    WindowRef window_ = nullptr;
};

// Vertical, 16 wide and 224 high: arrows 48-64 and 256-272, the thumb's travel 176 pixels.
constexpr Rect kScrollBar{48, 544, 272, 560};

ControlPartCode gHilite = 0;
int gActions = 0;

void StepDown(ControlRef control, ControlPartCode part) {
    gHilite = ControlPartCode(GetControlHilite(control));
    ++gActions;
    SetControlValue(control, SInt16(GetControlValue(control) + (part == 21 ? 1 : 0)));
}

} // namespace

TEST_F(Controls, FindControlGivesThePartCodes) {
    ControlRef button = Make(pushButProc, {0, 0, 16, 80});
    ControlRef box = Make(checkBoxProc, {32, 0, 48, 80});
    ControlRef radio = Make(radioButProc, {64, 0, 80, 80});
    ControlRef bar = Make(scrollBarProc, kScrollBar, 700);
    ControlRef found = nullptr;
    EXPECT_EQ(Find(40, 8, &found), kControlButtonPart);
    EXPECT_EQ(found, button);
    EXPECT_EQ(Find(40, 40, &found), kControlCheckBoxPart);
    EXPECT_EQ(found, box);
    EXPECT_EQ(Find(40, 72, &found), kControlCheckBoxPart);
    EXPECT_EQ(found, radio);
    EXPECT_EQ(Find(552, 50, &found), kControlUpButtonPart);
    EXPECT_EQ(Find(552, 270, &found), kControlDownButtonPart);
    EXPECT_EQ(Find(552, 70, &found), kControlIndicatorPart); // value 0: thumb at the top
    EXPECT_EQ(Find(552, 200, &found), kControlPageDownPart);
    SetControlValue(bar, 700);
    EXPECT_EQ(Find(552, 250, &found), kControlIndicatorPart);
    EXPECT_EQ(Find(552, 100, &found), kControlPageUpPart);
    EXPECT_EQ(found, bar);
    EXPECT_EQ(Find(300, 300, &found), kControlNoPart);

    HiliteControl(button, kControlInactivePart);
    EXPECT_EQ(Find(40, 8, &found), kControlNoPart);
    EXPECT_EQ(found, nullptr);
    HideControl(box);
    EXPECT_EQ(Find(40, 40, &found), kControlNoPart);
}

TEST_F(Controls, ValuesStayWithinMinimumAndMaximum) {
    ControlRef bar = Make(scrollBarProc, kScrollBar, 700);
    SetControlValue(bar, 900);
    EXPECT_EQ(GetControlValue(bar), 700);
    SetControlMaximum(bar, 300);
    EXPECT_EQ(GetControlValue(bar), 300);
    SetControlMaximum(bar, 0);
    SetControlValue(bar, -5);
    EXPECT_EQ(GetControlValue(bar), 0);
}

TEST_F(Controls, ButtonCountsOnlyWhenReleasedInside) {
    ControlRef button = Make(pushButProc, {0, 0, 16, 80});
    Script("drag 140 108 to 400 400\n"
           "click 140 108\n");
    EXPECT_EQ(Track(button), kControlNoPart);
    EXPECT_EQ(Track(button, StepDown), kControlButtonPart);
    EXPECT_EQ(gHilite, kControlButtonPart); // pressed while held
    EXPECT_EQ(GetControlHilite(button), 0);
    HiliteControl(button, kControlInactivePart);
    EXPECT_EQ(TrackControl(button, Point{8, 40}, nullptr), kControlNoPart);
}

TEST_F(Controls, ArrowsRunTheActionWhileHeldAndChangeNothingWithout) {
    ControlRef bar = Make(scrollBarProc, kScrollBar, 700);
    Script("hold 652 370 30\n"
           "hold 652 370 30\n"
           "drag 652 172 to 652 260\n");
    gActions = 0;
    EXPECT_EQ(Track(bar, StepDown), kControlDownButtonPart);
    EXPECT_GE(gActions, 25);
    EXPECT_EQ(GetControlValue(bar), gActions);
    SInt16 before = GetControlValue(bar);
    EXPECT_EQ(Track(bar), kControlDownButtonPart);
    EXPECT_EQ(GetControlValue(bar), before);

    // The thumb moved 88 of its 176 pixels: half of 0..700.
    SetControlValue(bar, 0);
    EXPECT_EQ(Track(bar), kControlIndicatorPart);
    EXPECT_EQ(GetControlValue(bar), 350);
}
