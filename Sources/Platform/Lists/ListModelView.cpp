// The lists as the display sees them: their state and the rows in view in the snapshot, any
// rows on request, and where a script's "row R column C" lies.
#include "Display/Backend.h"
#include "Display/ModelView.h"
#include "Lists/List.h"
#include "QuickDraw/Port.h"

#include <algorithm>

namespace platform::lists {

namespace {

bool RowSelected(const List& list, SInt16 row) {
    for (SInt16 column = 0; column < list.Columns(); ++column)
        if (list.Selected(Cell{row, column})) return true;
    return false;
}

std::vector<display::ListRowSnapshot> RowsOf(const List& list, SInt16 first, SInt16 end) {
    std::vector<display::ListRowSnapshot> rows;
    for (SInt16 row = std::max<SInt16>(first, 0); row < std::min(end, list.Rows()); ++row) {
        display::ListRowSnapshot& shot = rows.emplace_back();
        for (SInt16 column = 0; column < list.Columns(); ++column)
            shot.cells.push_back(list.cells[list.Index(Cell{row, column})]);
        shot.selected = RowSelected(list, row);
    }
    return rows;
}

display::ListSnapshot SnapshotOf(List& list) {
    display::ListSnapshot shot;
    shot.id = list.Handle();
    shot.view = quickdraw::GlobalOf(*list.rec.port, list.rec.rView);
    shot.rows = list.Rows();
    shot.columns = list.Columns();
    shot.topRow = TopRow(list);
    shot.shownRows = ShownRows(list);
    // A search for the next selected cell, row past row: a list may hold thousands of rows.
    const size_t columns = size_t(std::max<SInt16>(list.Columns(), 1));
    for (auto at = list.selected.begin();
         (at = std::find_if(at, list.selected.end(), [](UInt8 flag) { return flag != 0; })) !=
         list.selected.end();) {
        const size_t row = size_t(at - list.selected.begin()) / columns;
        shot.selectedRows.push_back(SInt16(row));
        at = list.selected.begin() + long(std::min((row + 1) * columns, list.selected.size()));
    }
    shot.shown = RowsOf(list, shot.topRow, SInt16(shot.topRow + shot.shownRows));
    shot.scrollBar = list.rec.vScroll;
    return shot;
}

void AddLists(display::WindowSnapshot& window) {
    for (List* list : ListsIn(window.id))
        window.lists.push_back(SnapshotOf(*list));
}

std::vector<display::ListRowSnapshot> Rows(ListHandle handle, SInt16 first, SInt16 end) {
    const List* list = Find(handle);
    return list ? RowsOf(*list, first, end) : std::vector<display::ListRowSnapshot>{};
}

// The centre of a shown cell of the window's first list, global.
std::optional<Point> LocateCell(WindowRef window, SInt32 row, SInt32 column) {
    std::vector<List*> lists = ListsIn(window);
    if (lists.empty()) return std::nullopt;
    const List& list = *lists.front();
    Cell cell{SInt16(row), SInt16(column)};
    if (!IsShown(list, cell)) return std::nullopt;
    return quickdraw::GlobalOf(*list.rec.port, display::CentreOf(CellRect(list, cell)));
}

} // namespace

void InstallModelView() {
    display::ModelView& view = display::TheModelView();
    view.lists = AddLists;
    view.listRows = Rows;
    view.listCell = LocateCell;
}

} // namespace platform::lists
