// The standard definition's drawing: each cell's text from its indent, cut to the cell's width.
#include "Lists/List.h"
#include "QuickDraw/Port.h"
#include "QuickDraw/PortScope.h"

#include <algorithm>

namespace platform::lists {

namespace {

// The bytes of the longest start of text that fits in room pixels, ending on a character.
SInt16 FittingBytes(const std::string& text, SInt16 room) {
    SInt16 width = 0;
    for (size_t i = 0; i < text.size(); ++i) {
        width = SInt16(width + TextWidth(text.data(), SInt16(i), 1));
        if (width > room) return SInt16(i);
    }
    return SInt16(text.size());
}

// Draws one shown cell into the current port; a selected cell is highlighted whole.
void Paint(const List& list, Cell cell) {
    Rect r = CellRect(list, cell);
    EraseRect(&r);
    if (list.Selected(cell)) quickdraw::Record({quickdraw::DrawOp::Kind::Highlight, r, {}, normal});
    const std::string& text = list.cells[list.Index(cell)];
    const Point indent = list.rec.indent;
    MoveTo(SInt16(r.left + indent.h), SInt16(r.top + indent.v + kFontAscent));
    DrawText(text.data(), 0, FittingBytes(text, SInt16(r.right - r.left - indent.h)));
}

void PaintShown(const List& list, const Rect& area) {
    Rect erased;
    if (SectRect(&list.rec.rView, &area, &erased)) EraseRect(&erased);
    SInt16 end = std::min<SInt16>(SInt16(TopRow(list) + ShownRows(list)), list.Rows());
    for (SInt16 row = TopRow(list); row < end; ++row)
        for (SInt16 column = 0; column < list.Columns(); ++column) {
            Cell cell{row, column};
            Rect r = CellRect(list, cell), common;
            if (IsShown(list, cell) && SectRect(&r, &area, &common)) Paint(list, cell);
        }
}

} // namespace

void DrawCell(List& list, Cell cell) {
    if (!list.Drawing() || !IsShown(list, cell)) return;
    quickdraw::PortScope scope(list.rec.port);
    Paint(list, cell);
}

void DrawAll(List& list) {
    if (!list.Drawing()) return;
    quickdraw::PortScope scope(list.rec.port);
    PaintShown(list, list.rec.rView);
}

} // namespace platform::lists

using namespace platform::lists;

void LUpdate(RgnHandle theRgn, ListHandle lHandle) {
    List* list = Find(lHandle);
    if (!list) return;
    Rect area, bar = ScrollBarBounds(list->rec.rView), common;
    GetRegionBounds(theRgn, &area);
    platform::quickdraw::PortScope scope(list->rec.port);
    PaintShown(*list, area);
    if (list->rec.vScroll && SectRect(&bar, &area, &common)) Draw1Control(list->rec.vScroll);
}
