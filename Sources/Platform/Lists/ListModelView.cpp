// The lists as the display sees them: where a script's "row R column C" lies, and the text
// that the model printout shows.
#include "Display/Backend.h"
#include "Display/ModelView.h"
#include "Lists/List.h"
#include "Lists/ListDescription.h"
#include "QuickDraw/Port.h"

#include <algorithm>

namespace platform::lists {

namespace {

std::string Counted(SInt32 count, const char* noun) {
    return std::to_string(count) + " " + noun + (count == 1 ? "" : "s");
}

bool RowSelected(const List& list, SInt16 row) {
    for (SInt16 column = 0; column < list.Columns(); ++column)
        if (list.Selected(Cell{row, column})) return true;
    return false;
}

void DescribeSelection(std::ostream& out, const List& list) {
    std::vector<SInt16> rows;
    for (SInt16 row = 0; row < list.Rows(); ++row)
        if (RowSelected(list, row)) rows.push_back(row);
    if (rows.empty()) {
        out << "nothing selected";
        return;
    }
    out << (rows.size() == 1 ? "selected row " : "selected rows ");
    for (size_t i = 0; i < rows.size(); ++i)
        out << (i ? ", " : "") << rows[i];
}

void DescribeRow(std::ostream& out, const List& list, SInt16 row) {
    out << "    row " << row << ":";
    for (SInt16 column = 0; column < list.Columns(); ++column)
        out << (column ? " | \"" : " \"") << list.cells[list.Index(Cell{row, column})] << "\"";
    out << (RowSelected(list, row) ? " selected" : "") << "\n";
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

void DescribeLists(std::ostream& out, WindowRef window, bool allRows) {
    for (const List* list : ListsIn(window)) {
        out << "  list " << Counted(list->Rows(), "row") << " x "
            << Counted(list->Columns(), "column") << ", top row " << TopRow(*list) << ", ";
        DescribeSelection(out, *list);
        out << "\n";
        const SInt16 first = allRows ? 0 : TopRow(*list);
        const SInt16 end =
            allRows ? list->Rows()
                    : std::min<SInt16>(SInt16(TopRow(*list) + ShownRows(*list)), list->Rows());
        for (SInt16 row = first; row < end; ++row)
            DescribeRow(out, *list, row);
    }
}

void InstallModelView() {
    display::TheModelView().listCell = LocateCell;
}

} // namespace platform::lists
