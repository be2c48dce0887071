#include "ListFixture.h"

using ::testing::HasSubstr;

namespace {

using ListManager = ListFixture;

std::vector<platform::quickdraw::DrawOp> Drawn(WindowRef window,
                                               platform::quickdraw::DrawOp::Kind kind) {
    std::vector<platform::quickdraw::DrawOp> found;
    for (const auto& op : window->port.drawn)
        if (op.kind == kind) found.push_back(op);
    return found;
}

} // namespace

TEST_F(ListManager, DefaultCellSizeSharesTheViewAndTheScrollBarStandsAtItsRight) {
    ListHandle list = Make(0);
    EXPECT_EQ((**list).cellSize.h, 184);
    EXPECT_EQ((**list).cellSize.v, 16);
    Rect bar;
    GetControlBounds(GetListVerticalScrollBar(list), &bar);
    const Rect wantBar{kView.top, kView.right, kView.bottom, SInt16(kView.right + 15)};
    EXPECT_TRUE(EqualRect(&bar, &wantBar));
    EXPECT_EQ(GetListSelectionFlags(list), lOnlyOne);
    ListBounds data;
    EXPECT_EQ(GetListDataBounds(list, &data)->right, 2);
    EXPECT_EQ(data.bottom, 0);

    Rect view = kView;
    ListBounds bounds{0, 0, 0, 1};
    EXPECT_EQ(LNew(&view, &bounds, Point{0, 0}, 128, window_, true, false, false, true), nullptr);
}

TEST_F(ListManager, RowsComeAndGoWithTheirCells) {
    ListHandle list = Make(3);
    EXPECT_EQ(LAddRow(1, 1, list), 1);
    EXPECT_EQ(TextOf(list, 1, 0), "");
    EXPECT_EQ(TextOf(list, 2, 0), "name 1");
    EXPECT_EQ(LAddRow(2, 99, list), 4); // past the end: added at the end
    char shortBuffer[3];
    SInt16 length = sizeof shortBuffer;
    LGetCell(shortBuffer, &length, Cell{0, 0}, list);
    EXPECT_EQ(std::string(shortBuffer, size_t(length)), "nam");

    LDelRow(2, 1, list);
    EXPECT_EQ(TextOf(list, 1, 0), "name 2");
    EXPECT_EQ(Summary(), "list 4 rows x 2 columns, top row 0, nothing selected");
    LDelRow(0, 3, list); // no count: every row, wherever it starts
    EXPECT_EQ(Summary(), "list 0 rows x 2 columns, top row 0, nothing selected");
}

// As the event loop does it: the click selects one cell, then every column of its row.
TEST_F(ListManager, WholeRowSelectionIgnoresOnlyOneAndIsFoundRowByRow) {
    ListHandle list = Make(10);
    for (SInt16 column = 0; column < 2; ++column)
        LSetSelect(true, Cell{4, column}, list);
    Cell cell{0, 0};
    ASSERT_TRUE(LGetSelect(true, &cell, list));
    EXPECT_EQ(cell.v, 4);
    EXPECT_EQ(cell.h, 0);
    cell = Cell{4, 1};
    EXPECT_TRUE(LGetSelect(true, &cell, list));
    EXPECT_EQ(cell.h, 1);
    cell = Cell{5, 0};
    EXPECT_FALSE(LGetSelect(true, &cell, list));
    EXPECT_EQ(cell.v, 5); // left as it was
    EXPECT_FALSE(LGetSelect(false, &cell, list));
    EXPECT_EQ(Summary(), "list 10 rows x 2 columns, top row 0, selected row 4");
}

TEST_F(ListManager, SelectionMovesWithTheRowsAndGoesWithThem) {
    ListHandle list = Make(10);
    LSetSelect(true, Cell{5, 1}, list);
    LDelRow(3, 0, list);
    Cell cell{0, 0};
    ASSERT_TRUE(LGetSelect(true, &cell, list));
    EXPECT_EQ(cell.v, 2);
    EXPECT_EQ(TextOf(list, cell.v, 1), "5");
    LAddRow(1, 0, list);
    cell = Cell{0, 0};
    ASSERT_TRUE(LGetSelect(true, &cell, list));
    EXPECT_EQ(cell.v, 3);
    LDelRow(1, 3, list);
    cell = Cell{0, 0};
    EXPECT_FALSE(LGetSelect(true, &cell, list));
}

TEST_F(ListManager, ScrollRangeAtAThousandRowsKeepsTheLastRowInView) {
    ListHandle list = Make(1000);
    ControlRef bar = GetListVerticalScrollBar(list);
    EXPECT_EQ(GetControlMaximum(bar), 989); // 11 rows shown
    LScroll(0, 2000, list);
    EXPECT_EQ(GetControlValue(bar), 989);
    EXPECT_EQ((**list).visible.top, 989);
    LScroll(0, -5, list);
    EXPECT_EQ(GetControlValue(bar), 984);

    LSetSelect(true, Cell{10, 0}, list);
    LAutoScroll(list);
    EXPECT_EQ(Summary(), "list 1000 rows x 2 columns, top row 10, selected row 10");
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
    ListHandle list = Make(5, lOnlyOne, view);
    std::string longName(30, 'x');
    LSetCell(longName.data(), SInt16(longName.size()), Cell{1, 0}, list);
    LSetSelect(true, Cell{1, 1}, list);
    auto texts = Drawn(window_, platform::quickdraw::DrawOp::Kind::Text);
    ASSERT_EQ(texts.size(), 4u);
    EXPECT_EQ(texts[2].text, std::string(22, 'x')); // (184 - 4) / 8 characters
    EXPECT_EQ(texts[3].rect.left, 16 + 184 + 4);
    auto highlights = Drawn(window_, platform::quickdraw::DrawOp::Kind::Highlight);
    ASSERT_EQ(highlights.size(), 1u);
    EXPECT_EQ(highlights[0].rect.top, 80);

    std::ostringstream out;
    platform::lists::DescribeLists(out, window_);
    EXPECT_EQ(out.str(), "  list 5 rows x 2 columns, top row 0, selected row 1\n"
                         "    row 0: \"name 0\" | \"0\"\n"
                         "    row 1: \"" +
                             longName + "\" | \"1\" selected\n");
    window_->port.drawn.clear();
    RgnHandle region = NewRgn();
    RectRgn(region, &view);
    LUpdate(region, list);
    DisposeRgn(region);
    EXPECT_THAT(Drawn(window_, platform::quickdraw::DrawOp::Kind::Text), ::testing::SizeIs(4));
}
