#include "DialogTestFixture.h"

#include "Platform/Appearance.h"
#include "Platform/Controls.h"
#include "Platform/TextEdit.h"
#include "QuickDraw/Port.h"

using ::testing::ElementsAre;
using ::testing::HasSubstr;

namespace {

using DialogEvents = DialogFixture;

void SetText(DialogRef dialog, DialogItemIndex item, const char* text) {
    DialogItemType type;
    Handle handle;
    Rect box;
    GetDialogItem(dialog, item, &type, &handle, &box);
    Str255 pascal;
    pascal[0] = UInt8(strlen(text));
    memcpy(pascal + 1, text, pascal[0]);
    SetDialogItemText(handle, pascal);
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

} // namespace

TEST_F(DialogEvents, AnInactiveButtonIgnoresClicksAndActiveOnesReportThem) {
    Open(1007);
    DialogRef editor = Open(1008);
    HiliteControl(ControlOf(editor, 1), kControlInactivePart);
    Script("click item 1\n"
           "click item 3\n"
           "click item 2\n"); // a disabled static text
    EXPECT_THAT(Hits(), ElementsAre(3));
}

TEST_F(DialogEvents, EveryKeystrokeInAFieldReportsTheField) {
    DialogRef editor = Open(1008);
    Script("type \"jdoe\"\n"
           "key tab\n"
           "type \"Jon Doex\"\n"
           "key backspace\n"
           "key left\nkey left\nkey left\nkey left\nkey left\n"
           "key h\n"
           "key c cmd\n" // a menu key, not text
           "click item 10\n"
           "type \"42é\"\n" // é comes as two bytes and goes as one character
           "key backspace\n"
           "key left\n");
    std::vector<DialogItemIndex> expected(5, 8);
    expected.insert(expected.end(), 15, 9);
    expected.insert(expected.end(), 7, 10);
    EXPECT_EQ(Hits(), expected);
    EXPECT_EQ(TextOf(editor, 8), "jdoe");
    EXPECT_EQ(TextOf(editor, 9), "John Doe");
    EXPECT_EQ(TextOf(editor, 10), "42");
    EXPECT_THAT(Describe(editor), HasSubstr("  item 10 edit \"42\" focus caret 1\n"));
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
    DialogItemType type;
    Handle handle;
    Rect box;
    GetDialogItem(list, 7, &type, &handle, &box);
    UserItemUPP draw = NewUserItemUPP(DrawVersion);
    SetDialogItem(list, 7, type, reinterpret_cast<Handle>(draw), &box);
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
    Script("key return\n"
           "key return\n" // item 1 inactive now: swallowed
           "click item 1\n"
           "key escape\n"
           "key . cmd\n"
           "type \"x\"\n"
           "key h\n");
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
