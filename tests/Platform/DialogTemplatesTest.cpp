#include "DialogTestFixture.h"

#include "Platform/Controls.h"
#include "Platform/Resources.h"

using ::testing::HasSubstr;

namespace {

struct ExpectedItem {
    DialogItemIndex number;
    DialogItemType type;
    Rect box; // top, left, bottom, right
};

class DialogTemplates : public DialogFixture {
  protected:
    void ExpectItems(DialogRef dialog, const std::vector<ExpectedItem>& expected) {
        for (const ExpectedItem& want : expected) {
            SCOPED_TRACE(want.number);
            DialogItemType type;
            Handle handle;
            Rect box;
            GetDialogItem(dialog, want.number, &type, &handle, &box);
            EXPECT_EQ(type, want.type);
            EXPECT_TRUE(EqualRect(&box, &want.box));
            if ((type & ~itemDisable) != ctrlItem + btnCtrl) continue;
            Rect bounds;
            GetControlBounds(reinterpret_cast<ControlRef>(handle), &bounds);
            EXPECT_TRUE(EqualRect(&bounds, &want.box));
        }
    }
};

constexpr DialogItemType kButton = ctrlItem + btnCtrl, kStatic = statText | itemDisable,
                         kPlaceholder = userItem | itemDisable;

} // namespace

TEST_F(DialogTemplates, JobAccountListItemsAreThoseOfItsResources) {
    DialogRef dialog = GetNewDialog(1007, nullptr, reinterpret_cast<WindowRef>(-1));
    ASSERT_NE(dialog, nullptr);
    WindowRef window = GetDialogWindow(dialog);
    EXPECT_EQ(GetWindowKind(window), kDialogWindowKind);
    EXPECT_FALSE(IsWindowVisible(window));
    EXPECT_EQ(GetDialogFromWindow(window), dialog);
    Rect content = platform::windows::ContentBounds(window);
    Rect expected{48, 40, 368, 600};
    EXPECT_TRUE(EqualRect(&content, &expected));
    EXPECT_EQ(CountDITL(dialog), 22);
    ExpectItems(dialog, {{1, kStatic, {16, 16, 32, 544}},
                         {3, kButton, {256, 432, 272, 544}},
                         {4, kButton, {208, 432, 224, 544}},
                         {7, userItem, {64, 16, 240, 400}},
                         {8, kPlaceholder, {0, 0, 0, 0}},
                         {14, kButton, {64, 432, 80, 544}},
                         {15, kButton, {96, 432, 112, 544}},
                         {16, kButton, {128, 432, 144, 544}},
                         {19, kPlaceholder, {0, 0, 0, 0}},
                         {20, kButton, {256, 16, 272, 152}},
                         {21, kButton, {256, 264, 272, 400}},
                         {22, kButton, {160, 432, 176, 544}}});
    Str255 title;
    GetControlTitle(ControlOf(dialog, 14), title);
    EXPECT_EQ(std::string(reinterpret_cast<char*>(title + 1), title[0]), "New…");
    EXPECT_EQ(GetControlHilite(ControlOf(dialog, 14)), 0);
    EXPECT_EQ(GetDialogKeyboardFocusItem(dialog), 0); // no edit field
}

TEST_F(DialogTemplates, EntryEditorItemsAndItsFirstFieldHoldingTheFocus) {
    DialogRef dialog = GetNewDialog(1008, nullptr, reinterpret_cast<WindowRef>(-1));
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(CountDITL(dialog), 13);
    ExpectItems(dialog, {{1, kButton, {192, 416, 208, 496}},
                         {2, kStatic, {16, 16, 32, 496}},
                         {3, kButton, {192, 320, 208, 400}},
                         {4, kButton, {192, 16, 208, 96}},
                         {8, editText, {48, 120, 64, 496}},
                         {9, editText, {96, 120, 112, 496}},
                         {10, editText, {144, 120, 160, 216}},
                         {13, kStatic, {160, 120, 176, 496}}});
    EXPECT_EQ(GetDialogKeyboardFocusItem(dialog), 8);
    EXPECT_EQ(TextOf(dialog, 8), "");
    EXPECT_EQ(TextOf(dialog, 5), "Login name:");
}

TEST_F(DialogTemplates, ControlItemsComeFromTheirControlTemplates) {
    DialogRef dialog = GetNewDialog(132, nullptr, reinterpret_cast<WindowRef>(-1));
    ASSERT_NE(dialog, nullptr);
    const Rect expectedBar{48, 544, 272, 560};
    ExpectItems(dialog, {{3, ctrlItem + resCtrl, expectedBar}});
    ControlRef scrollBar = ControlOf(dialog, 3);
    EXPECT_EQ(GetControlProcID(scrollBar), scrollBarProc);
    EXPECT_EQ(GetControlMaximum(scrollBar), 0);
    EXPECT_THAT(Describe(dialog), HasSubstr("  item 3 scroll bar value 0 of 0..0 active\n"));

    // A converted template makes the control of the next dialog.
    Handle cntl = GetResource(FOUR_CHAR_CODE("CNTL"), 132);
    ASSERT_NE(cntl, nullptr);
    (*cntl)[16] = char(kControlScrollBarLiveProc >> 8);
    (*cntl)[17] = char(kControlScrollBarLiveProc & 0xFF);
    DialogRef second = GetNewDialog(132, nullptr, reinterpret_cast<WindowRef>(-1));
    EXPECT_EQ(GetControlProcID(ControlOf(second, 3)), kControlScrollBarLiveProc);

    // Alone, a control keeps the template's bounds.
    WindowRef window = GetDialogWindow(dialog);
    ControlRef alone = GetNewControl(132, window);
    Rect bounds;
    EXPECT_TRUE(EqualRect(GetControlBounds(alone, &bounds), &expectedBar));
    KillControls(window);
    ControlRef found = nullptr;
    EXPECT_EQ(FindControl(Point{100, 552}, window, &found), kControlNoPart);

    EXPECT_EQ(GetNewDialog(4242, nullptr, reinterpret_cast<WindowRef>(-1)), nullptr);
    EXPECT_EQ(GetNewControl(4242, window), nullptr);
}
