// The selection, cell by cell. LSetSelect obeys no selection flag: the flags govern clicks.
#include "Lists/List.h"

#include <algorithm>

using namespace platform::lists;

void LSetSelect(Boolean setIt, Cell theCell, ListHandle lHandle) {
    List* list = Find(lHandle);
    if (!list || !list->Contains(theCell)) return;
    UInt8& flag = list->selected[list->Index(theCell)];
    if (flag == UInt8(setIt ? 1 : 0)) return;
    flag = setIt ? 1 : 0;
    DrawCell(*list, theCell);
}

Boolean LGetSelect(Boolean next, Cell* theCell, ListHandle lHandle) {
    const List* list = Find(lHandle);
    if (!list || list->Columns() == 0) return false;
    if (!next) return list->Contains(*theCell) && list->Selected(*theCell);
    Cell from{std::max<SInt16>(theCell->v, 0), std::max<SInt16>(theCell->h, 0)};
    if (from.h >= list->Columns()) from = Cell{SInt16(from.v + 1), 0};
    if (from.v >= list->Rows()) return false;
    auto begin = list->selected.begin();
    auto found = std::find(begin + ptrdiff_t(list->Index(from)), list->selected.end(), UInt8(1));
    if (found == list->selected.end()) return false;
    size_t index = size_t(found - begin);
    *theCell =
        Cell{SInt16(index / size_t(list->Columns())), SInt16(index % size_t(list->Columns()))};
    return true;
}
