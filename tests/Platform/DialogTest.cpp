#include "DialogTestFixture.h"

#include "Controls/Control.h"
#include "Dialogs/Dialog.h"
#include "Platform/Appearance.h"
#include "Platform/Controls.h"
#include "Platform/Resources.h"
#include "Platform/TextEdit.h"
#include "QuickDraw/Port.h"
#include "TestSupport/FileSpecs.h"

using ::testing::ElementsAre;
using ::testing::HasSubstr;

namespace {

using DialogEvents = DialogFixture;
using Alerts = DialogFixture;

void SetText(DialogRef dialog, DialogItemIndex item, const char* text) {
    Str255 pascal;
    testsupport::SetPascal(pascal, text);
    SetDialogItemText(ItemHandle(dialog, item), pascal);
}

int gDrawn = 0;
bool gPortWasDialogs = false;

void DrawVersion(DialogRef dialog, DialogItemIndex item) {
    ++gDrawn;
    GrafPtr port;
    GetPort(&port);
    gPortWasDialogs = port == GetDialogPort(dialog) && item == 7;
    MoveTo(20, 80);
    DrawString(reinterpret_cast<const unsigned char*>("\x04v1.0"));
    Rect frame{64, 16, 240, 400};
    DrawThemeListBoxFrame(&frame, kThemeStateActive);
    DrawThemeFocusRect(&frame, true);
}

size_t Drawn(DialogRef dialog, platform::quickdraw::DrawOp::Kind kind) {
    const auto& drawn = GetDialogPort(dialog)->drawn;
    return size_t(
        std::count_if(drawn.begin(), drawn.end(), [&](const auto& op) { return op.kind == kind; }));
}

Boolean HelpKeyFilter(DialogRef, EventRecord* event, DialogItemIndex* itemHit) {
    if (event->what != keyDown || (event->message & charCodeMask) != 'h') return false;
    *itemHit = 4;
    return true;
}

class DialogTemplates : public DialogFixture {};

std::string gRawText;

// Sees the alert before anything else does, and leaves every event to it.
Boolean ReadMessage(DialogRef alert, EventRecord*, DialogItemIndex*) {
    gRawText = TextOf(alert, 2);
    return false;
}

// A Pascal string for the length of one call.
struct P {
    explicit P(const char* text) { testsupport::SetPascal(pascal, text); }
    operator const unsigned char*() const { return pascal; }
    Str255 pascal;
};

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

TEST_F(DialogEvents, AnInactiveButtonIgnoresClicksAndActiveOnesReportThem) {
    Open(1007);
    DialogRef editor = Open(1008);
    HiliteControl(ControlOf(editor, 1), kControlInactivePart);
    Script("click item 1\nclick item 3\nclick item 2\n"); // 2 is a disabled static text
    EXPECT_THAT(Hits(), ElementsAre(3));
}

TEST_F(DialogEvents, EveryKeystrokeInAFieldReportsTheField) {
    DialogRef editor = Open(1008);
    // Cmd-C is a menu key, not text; é comes as two bytes and goes as one character.
    Script("type \"jdoe\"\nkey tab\ntype \"Jon Doex\"\nkey backspace\n"
           "key left\nkey left\nkey left\nkey left\nkey left\nkey h\nkey c cmd\n"
           "click item 10\ntype \"42é\"\nkey backspace\nkey left\n");
    std::vector<DialogItemIndex> expected(5, 8);
    expected.insert(expected.end(), 15, 9);
    expected.insert(expected.end(), 7, 10);
    EXPECT_EQ(Hits(), expected);
    EXPECT_EQ(TextOf(editor, 8), "jdoe");
    EXPECT_EQ(TextOf(editor, 9), "John Doe");
    EXPECT_EQ(TextOf(editor, 10), "42");
    EXPECT_THAT(Describe(editor), HasSubstr("  item 10 edit \"42\" focus caret 1\n"));
}

// Field 10 is 12 characters wide at 184-280 across, 256-272 down; its text scrolls with the caret.
TEST_F(DialogEvents, AFieldScrolledToItsCaretTakesClicksWhereItsCharactersShow) {
    DialogRef editor = Open(1008);
    Script("click item 10\ntype \"12345678901234567890\"\nclick 194 264\n");
    Hits();
    EXPECT_EQ(editor->editScroll, 9);
    EXPECT_THAT(Describe(editor),
                HasSubstr("  item 10 edit \"12345678901234567890\" focus caret 10\n"));
    Script("drag 194 264 to 290 264\n"); // past the right edge: to the end
    Hits();
    EXPECT_THAT(Describe(editor), HasSubstr("focus selection 10-20\n"));
}

TEST_F(DialogEvents, SelectionAndTheScrapBetweenFields) {
    DialogRef editor = Open(1008);
    SetText(editor, 8, "jdoe smith");
    SetText(editor, 9, "Doe");
    SelectDialogItemText(editor, 8, 5, 32767);
    DialogCopy(editor);
    SelectDialogItemText(editor, 9, 0, 0);
    DialogPaste(editor);
    EXPECT_EQ(TextOf(editor, 9), "smithDoe");
    SelectDialogItemText(editor, 8, 4, 10);
    DialogCut(editor);
    EXPECT_EQ(TextOf(editor, 8), "jdoe");
    SelectDialogItemText(editor, 9, 0, 5);
    DialogDelete(editor);
    EXPECT_EQ(TextOf(editor, 9), "Doe");

    // The desk scrap keeps what was handed to it until it is cleared.
    TEToScrap();
    SelectDialogItemText(editor, 9, 0, 1);
    DialogCut(editor);
    TEFromScrap();
    DialogPaste(editor);
    EXPECT_EQ(TextOf(editor, 9), " smithoe");
    ClearCurrentScrap();
    TEFromScrap();
    SelectDialogItemText(editor, 9, 0, 32767);
    DialogPaste(editor);
    EXPECT_EQ(TextOf(editor, 9), "");
}

TEST_F(DialogEvents, DrawingRunsUserItemsInTheDialogsPort) {
    DialogRef list = Open(1007);
    Rect box;
    ItemHandle(list, 7, &box);
    UserItemUPP draw = NewUserItemUPP(DrawVersion);
    SetDialogItem(list, 7, userItem, reinterpret_cast<Handle>(draw), &box);
    gDrawn = 0;
    DrawDialog(list);
    EXPECT_EQ(gDrawn, 1);
    EXPECT_TRUE(gPortWasDialogs);

    // The update event of the window just shown draws it again, over the same place.
    Script("");
    Hits();
    EXPECT_EQ(gDrawn, 2);
    using Kind = platform::quickdraw::DrawOp::Kind;
    EXPECT_EQ(Drawn(list, Kind::Text), 1u);
    EXPECT_EQ(Drawn(list, Kind::ListBoxFrame), 1u);
    EXPECT_EQ(Drawn(list, Kind::FocusRing), 1u);
    SetPort(GetDialogPort(list));
    Rect frame{64, 16, 240, 400};
    DrawThemeFocusRect(&frame, false);
    EXPECT_EQ(Drawn(list, Kind::FocusRing), 0u);
    DisposeUserItemUPP(draw);
}

TEST_F(DialogEvents, ModalDialogAnswersReturnEscapeClicksAndItsFilter) {
    DialogRef editor = Open(1008);
    SetDialogDefaultItem(editor, 1);
    SetDialogCancelItem(editor, 3);
    // The second return comes with item 1 inactive, and is swallowed.
    Script("key return\nkey return\nclick item 1\nkey escape\nkey . cmd\ntype \"x\"\nkey h\n");
    DialogItemIndex item = 0;
    ModalDialog(nullptr, &item);
    EXPECT_EQ(item, 1);
    EXPECT_EQ(GetControlHilite(ControlOf(editor, 1)), 0); // after its flash
    HiliteControl(ControlOf(editor, 1), kControlInactivePart);
    ModalDialog(nullptr, &item);
    EXPECT_EQ(item, 3);
    ModalDialog(nullptr, &item);
    EXPECT_EQ(item, 3);
    ModalFilterUPP filter = NewModalFilterUPP(HelpKeyFilter);
    ModalDialog(filter, &item);
    EXPECT_EQ(item, 8);
    ModalDialog(filter, &item);
    EXPECT_EQ(item, 4);
    DisposeModalFilterUPP(filter);
    EXPECT_EQ(TextOf(editor, 8), "x");
}

TEST_F(DialogEvents, TheModelReadsEveryItem) {
    DialogRef editor = Open(1008);
    SetDialogDefaultItem(editor, 1);
    SetDialogCancelItem(editor, 3);
    HiliteControl(ControlOf(editor, 1), kControlInactivePart);
    SetText(editor, 8, "jdoe");
    SetText(editor, 9, "John \"JD\" Doe");
    SelectDialogItemText(editor, 8, 0, 4);
    EXPECT_EQ(Describe(editor),
              "  item 1 button \"OK\" inactive default\n"
              "  item 2 static \"Type the login name, the user name and the account ID.\" "
              "disabled\n"
              "  item 3 button \"Cancel\" active cancel\n"
              "  item 4 button \"Help\" active\n"
              "  item 5 static \"Login name:\" disabled\n"
              "  item 6 static \"User name:\" disabled\n"
              "  item 7 static \"Account ID:\" disabled\n"
              "  item 8 edit \"jdoe\" focus selection 0-4\n"
              "  item 9 edit \"John \\\"JD\\\" Doe\"\n"
              "  item 10 edit \"\"\n"
              "  item 11 static \"Required; no spaces, commas or quotes.\" disabled\n"
              "  item 12 static \"80 characters at most, no commas or quotes.\" disabled\n"
              "  item 13 static \"A number from 1 to 999999999, no leading 0.\" disabled\n");
    Point center = *platform::display::TheModelView().itemCenter(GetDialogWindow(editor), 10);
    EXPECT_EQ(center.h, 64 + 168);
    EXPECT_EQ(center.v, 112 + 152);
    EXPECT_THAT(Describe(Open(1007)), HasSubstr("  item 7 user\n  item 14 button"));
}

TEST_F(DialogTemplates, ControlItemsComeFromTheirControlTemplates) {
    DialogRef dialog = NewDialog(132);
    ASSERT_NE(dialog, nullptr);
    const Rect expectedBar{48, 544, 272, 560};
    DialogItemType type;
    Handle handle;
    Rect box;
    GetDialogItem(dialog, 3, &type, &handle, &box);
    EXPECT_EQ(type, ctrlItem + resCtrl);
    EXPECT_TRUE(EqualRect(&box, &expectedBar));
    ControlRef scrollBar = ControlOf(dialog, 3);
    EXPECT_EQ(scrollBar->procID, scrollBarProc);
    EXPECT_EQ(GetControlMaximum(scrollBar), 0);
    EXPECT_THAT(Describe(dialog), HasSubstr("  item 3 scroll bar value 0 of 0..0 active\n"));

    // A converted template makes the control of the next dialog.
    Handle cntl = GetResource(FOUR_CHAR_CODE("CNTL"), 132);
    ASSERT_NE(cntl, nullptr);
    (*cntl)[16] = char(kControlScrollBarLiveProc >> 8);
    (*cntl)[17] = char(kControlScrollBarLiveProc & 0xFF);
    DialogRef second = NewDialog(132);
    EXPECT_EQ(ControlOf(second, 3)->procID, kControlScrollBarLiveProc);

    WindowRef window = GetDialogWindow(dialog);
    KillControls(window);
    ControlRef found = nullptr;
    EXPECT_EQ(FindControl(Point{100, 552}, window, &found), kControlNoPart);

    EXPECT_EQ(NewDialog(4242), nullptr);
}

TEST_F(Alerts, AnAlertShowsItsKindAndParametersAndReturnsTheItemChosen) {
    ParamText(P("Disk full"), P(""), P(""), P(""));
    Script("print\nkey return\n");
    EXPECT_EQ(CautionAlert(130, ReadMessage), 1);
    EXPECT_EQ(gRawText, "^0");
    EXPECT_THAT(Printouts(), HasSubstr("window \"\" dialog front at 288,224 size 448x128\n"
                                       "  alert caution\n"
                                       "  item 1 button \"OK\" active default cancel\n"
                                       "  item 2 static \"Disk full\" disabled\n"));
    EXPECT_THAT(Printouts(), HasSubstr("beep at tick"));
    EXPECT_TRUE(platform::windows::WindowList().empty());

    // A null parameter stays as it was.
    ParamText(P("Later"), nullptr, nullptr, nullptr);
    ParamText(nullptr, P("two"), nullptr, nullptr);
    Script("print\nkey escape\n");
    EXPECT_EQ(StopAlert(131, nullptr), 1);
    EXPECT_THAT(Printouts(), HasSubstr("  alert stop\n"
                                       "  item 1 button \"OK\" active default cancel\n"
                                       "  item 2 static \"Later\" disabled\n"
                                       "  item 3 static \"two\" disabled\n"));
}

TEST_F(Alerts, EscapeChoosesTheCancellingButton) {
    // 1009: Save / Don't Save; 1012: Cancel (the default) / Delete All; 1011: Replace / Don't
    // Replace.
    Script("key escape\nkey return\nclick item 2\nkey escape\nkey escape\nkey enter\n");
    EXPECT_EQ(CautionAlert(1009, nullptr), 2);
    EXPECT_EQ(CautionAlert(1009, nullptr), 1);
    EXPECT_EQ(CautionAlert(1009, nullptr), 2);
    EXPECT_EQ(CautionAlert(1012, nullptr), 1);
    EXPECT_EQ(CautionAlert(1011, nullptr), 2);
    EXPECT_EQ(Alert(1011, nullptr), 1);
    EXPECT_EQ(StopAlert(4242, nullptr), -1);
}

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
    box->visible = false;
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
    Script("drag 140 108 to 400 400\nclick 140 108\n");
    EXPECT_EQ(Track(button), kControlNoPart);
    EXPECT_EQ(Track(button, StepDown), kControlButtonPart);
    EXPECT_EQ(gHilite, kControlButtonPart); // pressed while held
    EXPECT_EQ(GetControlHilite(button), 0);
    HiliteControl(button, kControlInactivePart);
    EXPECT_EQ(TrackControl(button, Point{8, 40}, nullptr), kControlNoPart);
}

TEST_F(Controls, ArrowsRunTheActionWhileHeldAndChangeNothingWithout) {
    ControlRef bar = Make(scrollBarProc, kScrollBar, 700);
    Script("hold 652 370 30\nhold 652 370 30\ndrag 652 172 to 652 260\n");
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
