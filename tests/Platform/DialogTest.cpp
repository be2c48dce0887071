#include "DialogTestFixture.h"

#include "Controls/Control.h"
#include "Dialogs/Dialog.h"
#include "Platform/Controls.h"
#include "Platform/TextEdit.h"
#include "QuickDraw/Port.h"
#include "TestSupport/FileSpecs.h"

using ::testing::HasSubstr;

namespace {

using DialogEvents = DialogFixture;

void SetText(DialogRef dialog, DialogItemIndex item, const char* text) {
    Str255 pascal;
    testsupport::SetPascal(pascal, text);
    SetDialogItemText(ItemHandle(dialog, item), pascal);
}

Boolean HelpKeyFilter(DialogRef, EventRecord* event, DialogItemIndex* itemHit) {
    if (event->what != keyDown || (event->message & charCodeMask) != 'h') return false;
    *itemHit = 4;
    return true;
}

// A window whose content starts at (100, 100), so that local = global - 100.
class Controls : public DialogFixture {
  protected:
    void SetUp() override {
        DialogFixture::SetUp();
        window_ = platform::windows::CreateWindow(Rect{100, 100, 500, 700}, "Controls", true, false,
                                                  0, reinterpret_cast<WindowRef>(-1));
    }
    ControlRef MakeButton(Rect bounds) {
        return NewControl(window_, &bounds, reinterpret_cast<const unsigned char*>("\x02OK"), true,
                          0, 0, 1, pushButProc, 0);
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

ControlPartCode gHilite = 0;

void NoteHilite(ControlRef control, ControlPartCode) {
    gHilite = ControlPartCode(GetControlHilite(control));
}

} // namespace

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

// Field 8 starts at 184 across, 160-176 down, 8 pixels a character. Shift with an arrow, Home
// or End moves one end of the selection and keeps the other; Command-A, or Control-A as a
// terminal sends it, selects the whole field; a double click selects the word under it.
TEST_F(DialogEvents, ShiftKeysExtendCommandASelectsAllADoubleClickSelectsAWord) {
    DialogRef editor = Open(1008);
    SetText(editor, 8, "jdoe smith-jones \xc3\xa9");
    auto selectionAfter = [&](const std::string& script) {
        Script(script);
        Hits();
        return std::tuple(int(editor->editField), int(editor->selStart), int(editor->selEnd));
    };
    EXPECT_EQ(selectionAfter("click 226 168\n"), std::tuple(8, 5, 5));
    EXPECT_EQ(selectionAfter("key right shift\nkey right shift\n"), std::tuple(8, 5, 7));
    EXPECT_EQ(selectionAfter("key left shift\nkey left shift\nkey left shift\n"),
              std::tuple(8, 4, 5));
    EXPECT_EQ(selectionAfter("key end shift\n"), std::tuple(8, 5, 19));
    EXPECT_EQ(selectionAfter("key left shift\n"), std::tuple(8, 5, 17)); // é is two bytes
    EXPECT_EQ(selectionAfter("key home shift\n"), std::tuple(8, 0, 5));
    EXPECT_EQ(selectionAfter("key right\n"), std::tuple(8, 5, 5));
    EXPECT_EQ(selectionAfter("key down shift\nkey up shift\n"), std::tuple(8, 0, 5));
    EXPECT_EQ(selectionAfter("key home\nkey a cmd\n"), std::tuple(8, 0, 19));
    EXPECT_EQ(selectionAfter("key left\nkey a control\n"), std::tuple(8, 0, 19));
    EXPECT_EQ(TextOf(editor, 8), "jdoe smith-jones \xc3\xa9") << "Control-A types nothing";

    // A word, the dash between two, the space, the last word past the end; two clicks on
    // different characters, or apart in time, are two single clicks.
    EXPECT_EQ(selectionAfter("doubleclick 242 168\n"), std::tuple(8, 5, 10));
    EXPECT_EQ(selectionAfter("doubleclick 266 168\n"), std::tuple(8, 10, 11));
    EXPECT_EQ(selectionAfter("doubleclick 314 168\n"), std::tuple(8, 16, 17));
    EXPECT_EQ(selectionAfter("doubleclick 400 168\n"), std::tuple(8, 17, 19));
    EXPECT_EQ(selectionAfter("click 186 168\nclick 186 168\n"), std::tuple(8, 0, 0));
    EXPECT_EQ(selectionAfter("doubleclick 200 216\n"), std::tuple(9, 0, 0)) << "empty field";
    EXPECT_EQ(selectionAfter("key a cmd\ntype \"x\"\n"), std::tuple(9, 1, 1));
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

TEST_F(Controls, ButtonCountsOnlyWhenReleasedInside) {
    ControlRef button = MakeButton({0, 0, 16, 80});
    Script("drag 140 108 to 400 400\nclick 140 108\n");
    EXPECT_EQ(Track(button), kControlNoPart);
    EXPECT_EQ(Track(button, NoteHilite), kControlButtonPart);
    EXPECT_EQ(gHilite, kControlButtonPart); // pressed while held
    EXPECT_EQ(GetControlHilite(button), 0);
    HiliteControl(button, kControlInactivePart);
    EXPECT_EQ(TrackControl(button, Point{8, 40}, nullptr), kControlNoPart);
}
