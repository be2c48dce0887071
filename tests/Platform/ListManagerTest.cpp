// Lists in a window laid out as the Job Account list's: 11 rows of two 184-pixel columns from
// (16, 64), the scroll bar's arrows the 15 pixels at either end of x 385 to 400, y 64 to 240.
#include "Controls/Control.h"
#include "DialogTestFixture.h"
#include "Display/ModelPrinter.h"
#include "Lists/List.h"
#include "Platform/Lists.h"

using platform::quickdraw::DrawOp;
using ::testing::HasSubstr;

namespace {

class ListManager : public DialogFixture {
  protected:
    static constexpr Rect kView{64, 16, 240, 385};
    static constexpr Point kOrigin{100, 100}; // the window's content on screen

    void SetUp() override {
        DialogFixture::SetUp();
        Rect content{kOrigin.v, kOrigin.h, SInt16(kOrigin.v + 300), SInt16(kOrigin.h + 500)};
        window_ = CurrentWindow(content, "Lists");
    }
    void TearDown() override {
        for (ListHandle list : lists_)
            LDispose(list);
        DialogFixture::TearDown();
    }

    // Rows of "name R" and "R", one cell at a time selectable, as the application's lists are.
    ListHandle Make(SInt16 rows, Rect view = kView) {
        ListBounds bounds{0, 0, 0, 2};
        ListHandle list = LNew(&view, &bounds, Point{0, 0}, 0, window_, false, false, false, true);
        lists_.push_back(list);
        SetListSelectionFlags(list, lOnlyOne);
        LAddRow(rows, 0, list);
        for (SInt16 row = 0; row < rows; ++row) {
            std::string name = "name " + std::to_string(row), id = std::to_string(row);
            LSetCell(name.data(), SInt16(name.size()), Cell{row, 0}, list);
            LSetCell(id.data(), SInt16(id.size()), Cell{row, 1}, list);
        }
        LSetDrawingMode(true, list);
        return list;
    }

    std::string Described() const {
        std::ostringstream out;
        platform::display::PrintLists(out, *platform::display::TakeSnapshot().Window(window_));
        return out.str();
    }
    // The list's summary line, e.g. "5 rows x 2 columns, top row 0, selected row 1".
    std::string Summary() const {
        std::string text = Described();
        return text.substr(7, text.find('\n') - 7);
    }
    std::vector<DrawOp> Drawn(DrawOp::Kind kind) const {
        std::vector<DrawOp> found;
        for (const auto& op : window_->port.drawn)
            if (op.kind == kind) found.push_back(op);
        return found;
    }

    // Script text in local points: "@h @v" become the screen's.
    static std::string Global(const std::string& text) {
        std::string out;
        for (size_t i = 0, used = 0; i < text.size(); ++i)
            if (text[i] != '@')
                out += text[i];
            else
                out += std::to_string(kOrigin.h + std::stoi(text.substr(i + 1), &used)), i += used;
        return out;
    }
    // Mouse-downs as the event loop passes them on: made local and handed to LClick, which
    // tracks the button until it comes up. The summary after each.
    std::vector<std::string> Summaries(ListHandle list) {
        std::vector<std::string> summaries;
        while (!driver_->ScriptEndedEarly()) {
            EventRecord event;
            if (!WaitNextEvent(mDownMask, &event, 10, nullptr)) continue;
            GlobalToLocal(&event.where);
            LClick(event.where, event.modifiers, list);
            summaries.push_back(Summary());
        }
        return summaries;
    }

    WindowRef window_ = nullptr;
    std::vector<ListHandle> lists_;
};

} // namespace

TEST_F(ListManager, ScrollRangeAtAThousandRowsKeepsTheLastRowInView) {
    ListHandle list = Make(1000);
    ControlRef bar = GetListVerticalScrollBar(list);
    EXPECT_EQ(GetControlMaximum(bar), 989); // 11 rows shown
    platform::lists::List& shown = *platform::lists::Find(list);
    platform::lists::ScrollTo(shown, 2000);
    EXPECT_EQ(GetControlValue(bar), 989);
    EXPECT_EQ((**list).visible.top, 989);
    platform::lists::ScrollTo(shown, 984);
    EXPECT_EQ(GetControlValue(bar), 984);
    LSetSelect(true, Cell{10, 0}, list);
    LAutoScroll(list);
    EXPECT_EQ(Summary(), "1000 rows x 2 columns, top row 10, selected row 10");
    LSetSelect(true, Cell{999, 0}, list);
    LSetSelect(false, Cell{10, 0}, list);
    LAutoScroll(list);
    EXPECT_EQ(GetControlValue(bar), 989);
    // While drawing is off the bar waits; turning drawing on brings it up to date.
    LSetDrawingMode(false, list);
    LDelRow(0, 0, list);
    EXPECT_EQ(GetControlMaximum(bar), 989);
    LSetDrawingMode(true, list);
    EXPECT_EQ(GetControlMaximum(bar), 0);
}

TEST_F(ListManager, DrawingShowsWholeRowsCutToTheirCellsAndHighlightsTheSelection) {
    Rect view{64, 16, 100, 385}; // two whole rows and a part of one
    ListHandle list = Make(5, view);
    std::string longName(30, 'x');
    LSetCell(longName.data(), SInt16(longName.size()), Cell{1, 0}, list);
    LSetSelect(true, Cell{1, 1}, list);
    auto texts = Drawn(DrawOp::Kind::Text);
    ASSERT_EQ(texts.size(), 4u);
    EXPECT_EQ(texts[2].text, std::string(22, 'x')); // (184 - 4) / 8 characters
    EXPECT_EQ(texts[3].rect.left, 16 + 184 + 4);
    auto highlights = Drawn(DrawOp::Kind::Highlight);
    ASSERT_EQ(highlights.size(), 1u);
    EXPECT_EQ(highlights[0].rect.top, 80);
    EXPECT_EQ(Described(), "  list 5 rows x 2 columns, top row 0, selected row 1\n"
                           "    row 0: \"name 0\" | \"0\"\n    row 1: \"" +
                               longName + "\" | \"1\" selected\n");
    window_->port.drawn.clear();
    RgnHandle region = NewRgn();
    RectRgn(region, &view);
    LUpdate(region, list);
    DisposeRgn(region);
    EXPECT_EQ(Drawn(DrawOp::Kind::Text).size(), 4u);
}

TEST_F(ListManager, ClicksSelectOneCellAtATimeWhateverTheModifiersAndEmptySpaceNothing) {
    Script(Global("click row 2\nclick @292 @120 shift\nclick @292 @120 cmd\nclick @200 @184\n"));
    ListHandle list = Make(5);
    EXPECT_THAT(Summaries(list),
                ::testing::ElementsAre("5 rows x 2 columns, top row 0, selected row 2",
                                       "5 rows x 2 columns, top row 0, selected row 3",
                                       "5 rows x 2 columns, top row 0, selected row 3",
                                       "5 rows x 2 columns, top row 0, nothing selected"));
}

TEST_F(ListManager, TheScrollBarsArrowsPagesAndThumbScrollByRows) {
    // The thumb is dragged to value 14; row 5 then lies above the rows shown.
    Script(Global("click @392 @232\nclick @392 @200\nhold @392 @232 3\n"
                  "drag @392 @182 to @392 @300\nclick @392 @70\nclick row 5\n"));
    ListHandle list = Make(30);
    EXPECT_THAT(Summaries(list),
                ::testing::ElementsAre("30 rows x 2 columns, top row 1, nothing selected",
                                       "30 rows x 2 columns, top row 11, nothing selected",
                                       "30 rows x 2 columns, top row 14, nothing selected",
                                       "30 rows x 2 columns, top row 19, nothing selected",
                                       "30 rows x 2 columns, top row 18, nothing selected"));
    EXPECT_EQ(GetControlValue(GetListVerticalScrollBar(list)), 18);
    EXPECT_THAT(Messages(), HasSubstr("line 6: the front window has no such place"));
}
