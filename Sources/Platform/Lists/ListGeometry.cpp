// Where rows and cells lie in the view. Only whole rows are shown, so that every row on
// screen is a row that can be read and clicked.
#include "Lists/List.h"

#include <algorithm>

namespace platform::lists {

namespace {

constexpr SInt16 kScrollBarWidth = 15;

SInt16 ViewHeight(const List& list) {
    return SInt16(list.rec.rView.bottom - list.rec.rView.top);
}

} // namespace

SInt16 ShownRows(const List& list) {
    return SInt16(std::max(1, ViewHeight(list) / std::max<SInt16>(list.rec.cellSize.v, 1)));
}

SInt16 TopRow(const List& list) {
    return list.rec.visible.top;
}

SInt16 MaxTopRow(const List& list) {
    return SInt16(std::max(0, list.Rows() - ShownRows(list)));
}

Rect CellRect(const List& list, Cell cell) {
    const ListRec& rec = list.rec;
    SInt16 top = SInt16(rec.rView.top + (cell.v - TopRow(list)) * rec.cellSize.v);
    SInt16 left = SInt16(rec.rView.left + cell.h * rec.cellSize.h);
    return Rect{top, left, SInt16(top + rec.cellSize.v), SInt16(left + rec.cellSize.h)};
}

bool IsShown(const List& list, Cell cell) {
    Rect r = CellRect(list, cell);
    return list.Contains(cell) && cell.v >= TopRow(list) &&
           cell.v < TopRow(list) + ShownRows(list) && r.right <= list.rec.rView.right;
}

std::optional<Cell> CellAt(const List& list, Point local) {
    const ListRec& rec = list.rec;
    if (!PtInRect(local, &rec.rView) || rec.cellSize.v <= 0 || rec.cellSize.h <= 0)
        return std::nullopt;
    SInt16 shownRow = SInt16((local.v - rec.rView.top) / rec.cellSize.v);
    if (shownRow >= ShownRows(list)) return std::nullopt;
    Cell cell{SInt16(TopRow(list) + shownRow), SInt16((local.h - rec.rView.left) / rec.cellSize.h)};
    if (!list.Contains(cell)) return std::nullopt;
    return cell;
}

Rect ScrollBarBounds(const Rect& view) {
    return Rect{view.top, view.right, view.bottom, SInt16(view.right + kScrollBarWidth)};
}

} // namespace platform::lists
