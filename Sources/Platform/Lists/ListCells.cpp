// Rows and the data of cells.
#include "Lists/List.h"

#include <algorithm>

namespace platform::lists {

namespace {

// Rows moved under the last click: it no longer anchors an extension or begins a double click.
void RowsChanged(List& list) {
    list.rec.lastClick = Cell{-1, -1};
    list.clickPairs = false;
    ScrollTo(list, TopRow(list));
}

template <typename Vector>
void InsertRows(Vector& cells, const List& list, SInt16 at, SInt16 count) {
    cells.insert(cells.begin() + ptrdiff_t(list.Index(Cell{at, 0})),
                 size_t(count) * size_t(list.Columns()), typename Vector::value_type{});
}

template <typename Vector>
void EraseRows(Vector& cells, const List& list, SInt16 at, SInt16 count) {
    auto first = cells.begin() + ptrdiff_t(list.Index(Cell{at, 0}));
    cells.erase(first, first + ptrdiff_t(size_t(count) * size_t(list.Columns())));
}

} // namespace

} // namespace platform::lists

using namespace platform::lists;

SInt16 LAddRow(SInt16 count, SInt16 rowNum, ListHandle lHandle) {
    List* list = Find(lHandle);
    if (!list) return 0;
    SInt16 at = std::clamp<SInt16>(rowNum, 0, list->Rows());
    count = std::clamp<SInt16>(count, 0, SInt16(0x7FFF - list->Rows()));
    if (count == 0) return at;
    InsertRows(list->cells, *list, at, count);
    InsertRows(list->selected, *list, at, count);
    list->rec.dataBounds.bottom = SInt16(list->Rows() + count);
    RowsChanged(*list);
    return at;
}

void LDelRow(SInt16 count, SInt16 rowNum, ListHandle lHandle) {
    List* list = Find(lHandle);
    if (!list) return;
    if (count == 0) {
        rowNum = 0;
        count = list->Rows();
    }
    if (rowNum < 0 || rowNum >= list->Rows() || count < 0) return;
    count = std::min<SInt16>(count, SInt16(list->Rows() - rowNum));
    EraseRows(list->cells, *list, rowNum, count);
    EraseRows(list->selected, *list, rowNum, count);
    list->rec.dataBounds.bottom = SInt16(list->Rows() - count);
    RowsChanged(*list);
}

void LSetCell(const void* dataPtr, SInt16 dataLen, Cell theCell, ListHandle lHandle) {
    List* list = Find(lHandle);
    if (!list || !list->Contains(theCell)) return;
    list->cells[list->Index(theCell)].assign(static_cast<const char*>(dataPtr),
                                             size_t(std::max<SInt16>(dataLen, 0)));
    DrawCell(*list, theCell);
}

void LGetCell(void* dataPtr, SInt16* dataLen, Cell theCell, ListHandle lHandle) {
    const List* list = Find(lHandle);
    if (!list || !list->Contains(theCell)) {
        *dataLen = 0;
        return;
    }
    const std::string& data = list->cells[list->Index(theCell)];
    *dataLen = SInt16(std::min(data.size(), size_t(std::max<SInt16>(*dataLen, 0))));
    std::copy_n(data.data(), *dataLen, static_cast<char*>(dataPtr));
}
