// The terminal's keys and mouse through its input into the event loop and the List Manager, on
// a window with a list laid out as the Job Account list's (11 rows shown) and the entry editor.
#include "Display/Terminal/TerminalInput.h"
#include "DialogTestFixture.h"
#include "Dialogs/Dialog.h"
#include "Lists/List.h"
#include "Menus/Menu.h"
#include "Platform/Lists.h"

#include <functional>

using platform::display::RawInput;
using ::testing::Each;

namespace {

const std::string kDown = "\x1b[B", kUp = "\x1b[A";
// A press and a release of the left button on the list's row 2, and the wheel turned down there.
const std::string kPressOnRow2 = "\x1b[<0;21;13M\x1b[<0;21;13m", kWheelDown = "\x1b[<65;21;13M";

std::string Times(int count, const std::string& bytes) {
    std::string text;
    for (int i = 0; i < count; ++i)
        text += bytes;
    return text;
}

// Hands the program what the test gives it, on a clock that moves only while nothing comes, so
// that any two clicks on a cell fall within the double-click time.
class HandedInput : public platform::display::Backend {
  public:
    explicit HandedInput(std::function<std::optional<RawInput>()> next) : next_(std::move(next)) {}
    std::optional<RawInput> NextInput(UInt32 ticks) override {
        std::optional<RawInput> input = next_();
        if (!input) ticks_ += ticks;
        return input;
    }
    UInt32 Ticks() const override { return ticks_; }
    void Sleep(UInt32 ticks) override { ticks_ += ticks; }
    Rect ScreenBounds() const override { return Rect{0, 0, 480, 800}; }

  private:
    std::function<std::optional<RawInput>()> next_;
    UInt32 ticks_ = 1000;
};

class TerminalKeys : public DialogFixture {
  protected:
    void SetUp() override {
        DialogFixture::SetUp();
        window_ = CurrentWindow(Rect{100, 100, 400, 600}, "Lists");
        Rect view{64, 16, 240, 385};
        ListBounds bounds{0, 0, 0, 1};
        list_ = LNew(&view, &bounds, Point{0, 0}, 0, window_, true, false, false, true);
        SetListSelectionFlags(list_, lOnlyOne);
        LAddRow(30, 0, list_);
    }
    void TearDown() override {
        LDispose(list_);
        while (!platform::menus::Bar().empty())
            DisposeMenu(platform::menus::Bar().front());
        DialogFixture::TearDown();
    }

    // Every mouse-down from the source through the event loop into LClick, until the source
    // runs dry: whether each made a double click.
    std::vector<bool> Clicks(std::function<std::optional<RawInput>()> source) {
        platform::display::InstallBackend(std::make_unique<HandedInput>(std::move(source)));
        std::vector<bool> twice;
        EventRecord event;
        while (WaitNextEvent(mDownMask, &event, 10, nullptr)) {
            GlobalToLocal(&event.where);
            twice.push_back(LClick(event.where, event.modifiers, list_));
        }
        return twice;
    }
    // The bytes arrive in one read and are taken as the program asks for input.
    std::vector<bool> Typed(const std::string& bytes) {
        terminal_.Feed(bytes);
        return Clicks([this] { return terminal_.Take(); });
    }
    // The bytes arrive in one read and are all taken at once: whether each press is single.
    std::vector<bool> PressesSingle(const std::string& bytes) {
        terminal_.Feed(bytes);
        std::vector<bool> single;
        while (std::optional<RawInput> input = terminal_.Take())
            if (input->kind == RawInput::Kind::MouseDown) single.push_back(input->single);
        return single;
    }

    // The bytes typed into the front dialog, through the event loop and DialogSelect.
    void TypedIntoDialog(const std::string& bytes) {
        terminal_.Feed(bytes);
        platform::display::InstallBackend(
            std::make_unique<HandedInput>([this] { return terminal_.Take(); }));
        EventRecord event;
        while (WaitNextEvent(keyDownMask, &event, 10, nullptr)) {
            DialogRef dialog = nullptr;
            DialogItemIndex item = 0;
            if (IsDialogEvent(&event)) DialogSelect(&event, &dialog, &item);
        }
    }

    void Select(SInt16 row) {
        for (SInt16 other = 0; other < 30; ++other)
            LSetSelect(other == row, Cell{other, 0}, list_);
        LAutoScroll(list_);
    }
    // The list's top row and its selected row, -1 for none.
    std::pair<int, int> TopAndSelected() const {
        const platform::lists::List& list = *platform::lists::Find(list_);
        for (SInt16 row = 0; row < list.Rows(); ++row)
            if (list.Selected(Cell{row, 0})) return {platform::lists::TopRow(list), row};
        return {platform::lists::TopRow(list), -1};
    }

    WindowRef window_ = nullptr;
    ListHandle list_ = nullptr;
    platform::display::terminal::TerminalInput terminal_;
};

} // namespace

// Each key acts on the selection the one before left, scrolling where the row is out of view,
// and no two of them ever make a double click.
TEST_F(TerminalKeys, ArrowKeysThatComeTogetherEachMoveOnAndNeverDoubleClick) {
    EXPECT_THAT(Typed(Times(2, kDown)), Each(false)); // nothing selected: the top row first
    EXPECT_EQ(TopAndSelected(), std::pair(0, 1));
    EXPECT_THAT(Typed(Times(2, kUp)), Each(false));
    EXPECT_EQ(TopAndSelected(), std::pair(0, 0));
    EXPECT_THAT(Typed(Times(2, kDown)), Each(false));
    EXPECT_EQ(TopAndSelected(), std::pair(0, 2));
    EXPECT_THAT(Typed(Times(2, kUp)), Each(false));
    EXPECT_EQ(TopAndSelected(), std::pair(0, 0));

    Select(9);
    EXPECT_THAT(Typed(Times(3, kDown)), Each(false));
    EXPECT_EQ(TopAndSelected(), std::pair(2, 12));
    EXPECT_THAT(Typed(Times(11, kUp)), Each(false));
    EXPECT_EQ(TopAndSelected(), std::pair(1, 1));
    // The wheel scrolls three rows a notch; an arrow then brings the row it selects back in.
    EXPECT_THAT(Typed(kWheelDown), Each(false));
    EXPECT_EQ(TopAndSelected(), std::pair(4, 1));
    EXPECT_THAT(Typed(kDown), Each(false));
    EXPECT_EQ(TopAndSelected(), std::pair(2, 2));
    EXPECT_THAT(Typed(Times(3, kWheelDown) + kDown), Each(false));
    EXPECT_EQ(TopAndSelected(), std::pair(3, 3));
}

// A click made from a key neither completes a pair nor begins one; the mouse's own pairs stay.
TEST_F(TerminalKeys, OnlyTwoPressesOfTheMouseOnOneCellMakeADoubleClick) {
    EXPECT_EQ(Typed(kPressOnRow2 + kPressOnRow2), (std::vector<bool>{false, true}));
    EXPECT_EQ(TopAndSelected(), std::pair(0, 2));

    const Point row2{204, 126};
    std::deque<RawInput> inputs;
    for (bool single : {false, false, true, false, true, false, false}) {
        inputs.push_back(RawInput{RawInput::Kind::MouseDown, row2, 0, 0, single});
        inputs.push_back(RawInput{RawInput::Kind::MouseUp, row2, 0, 0, single});
    }
    const std::vector<bool> twice = Clicks([&]() -> std::optional<RawInput> {
        if (inputs.empty()) return std::nullopt;
        RawInput input = inputs.front();
        inputs.pop_front();
        return input;
    });
    EXPECT_EQ(twice, (std::vector<bool>{false, true, false, false, false, false, true}));
}

// The wheel, Tab into an edit field, Space on a button and F10 press the mouse for the person.
TEST_F(TerminalKeys, EveryPressMadeForAKeyOrTheWheelIsSingle) {
    EXPECT_EQ(PressesSingle(kWheelDown + kPressOnRow2),
              (std::vector<bool>{true, true, true, false}));

    IBNibRef nib = nullptr;
    ASSERT_EQ(CreateNibReference(CFSTR("Korvane"), &nib), noErr);
    ASSERT_EQ(SetMenuBarFromNib(nib, CFSTR("MainMenu")), noErr);
    DisposeNibReference(nib);
    ASSERT_NE(Open(1008), nullptr);
    // Into the user name and the ID, to OK (focus only), pressing it, back to the ID, the menus.
    EXPECT_EQ(PressesSingle("\t\t\t \x1b[Z\x1b[21~"), std::vector<bool>(5, true));
}

// The terminal reports Shift with the arrows, Home and End, and Ctrl-A as a control byte: in an
// edit field they extend the selection and select the whole text, as in the window.
TEST_F(TerminalKeys, ShiftKeysExtendAndCtrlASelectsAllInAnEditField) {
    DialogRef editor = Open(1008);
    ASSERT_NE(editor, nullptr);
    auto selection = [&] { return std::pair(int(editor->selStart), int(editor->selEnd)); };
    TypedIntoDialog("jdoe\x1b[1;2D\x1b[1;2D");
    EXPECT_EQ(selection(), std::pair(2, 4));
    TypedIntoDialog("\x1b[1;2H");
    EXPECT_EQ(selection(), std::pair(0, 4));
    TypedIntoDialog("\x1b[1;2F\x1b[D");
    EXPECT_EQ(selection(), std::pair(3, 3));
    TypedIntoDialog("\x01");
    EXPECT_EQ(selection(), std::pair(0, 4));
    EXPECT_EQ(TextOf(editor, 8), "jdoe");
}
