// A click in a list: the scroll bar scrolls; elsewhere the selection follows the pointer while
// the button is held, as the selection flags and the modifiers allow.
#include "Events/EventSource.h"
#include "Lists/List.h"
#include "QuickDraw/Port.h"

#include <algorithm>

namespace platform::lists {

namespace {

enum class ClickKind { Plain, Extend, Toggle };

struct Click {
    ClickKind kind = ClickKind::Plain;
    std::vector<UInt8> before; // the selection as the button went down
    std::optional<Cell> anchor, current;
};

bool operator==(Cell a, Cell b) {
    return a.v == b.v && a.h == b.h;
}

ClickKind KindOf(SInt8 flags, EventModifiers modifiers) {
    if (flags & lOnlyOne) return ClickKind::Plain;
    if ((modifiers & shiftKey) && !(flags & lNoExtend)) return ClickKind::Extend;
    if ((modifiers & cmdKey) && !(flags & lNoDisjoint)) return ClickKind::Toggle;
    return ClickKind::Plain;
}

void SetRange(const List& list, std::vector<UInt8>& selection, Cell a, Cell b, UInt8 value) {
    for (SInt16 row = std::min(a.v, b.v); row <= std::max(a.v, b.v); ++row)
        for (SInt16 column = std::min(a.h, b.h); column <= std::max(a.h, b.h); ++column)
            selection[list.Index(Cell{row, column})] = value;
}

std::vector<UInt8> Chosen(const List& list, const Click& click) {
    std::vector<UInt8> chosen = click.before;
    if (click.kind == ClickKind::Plain) std::fill(chosen.begin(), chosen.end(), 0);
    if (!click.current) return chosen;
    Cell current = *click.current, anchor = click.anchor.value_or(current);
    if (click.kind == ClickKind::Toggle)
        SetRange(list, chosen, anchor, current, !click.before[list.Index(anchor)]);
    else if (click.kind == ClickKind::Extend || !(list.rec.selFlags & lOnlyOne))
        SetRange(list, chosen, anchor, current, 1);
    else
        chosen[list.Index(current)] = 1;
    return chosen;
}

void Select(List& list, const std::vector<UInt8>& chosen) {
    for (SInt16 row = 0; row < list.Rows(); ++row)
        for (SInt16 column = 0; column < list.Columns(); ++column) {
            Cell cell{row, column};
            if (chosen[list.Index(cell)] != list.selected[list.Index(cell)])
                LSetSelect(chosen[list.Index(cell)], cell, list.Handle());
        }
}

Point ToLocal(const List& list, Point global) {
    return quickdraw::LocalOf(*list.rec.port, global);
}

void FollowPointer(List& list, Click& click) {
    Point global;
    while (events::NextTrackingPoint(&global)) {
        std::optional<Cell> cell = CellAt(list, ToLocal(list, global));
        if (!cell || (click.current && *cell == *click.current)) continue;
        click.current = cell;
        if (!click.anchor) click.anchor = cell;
        Select(list, Chosen(list, click));
    }
}

// A second click on the same cell within the double-click time; a pair is reported once. A
// click made from a key stands alone.
bool CompletesDoubleClick(List& list, std::optional<Cell> cell, const events::ClickRecord& down) {
    ListRec& rec = list.rec;
    bool twice = cell && !down.single && list.clickPairs && *cell == rec.lastClick &&
                 down.when - rec.clikTime <= GetDblTime();
    list.clickPairs = cell && !twice && !down.single;
    rec.lastClick = cell.value_or(Cell{-1, -1});
    rec.clikTime = down.when;
    return twice;
}

} // namespace

} // namespace platform::lists

using namespace platform::lists;

Boolean LClick(Point pt, EventModifiers modifiers, ListHandle lHandle) {
    List* list = Find(lHandle);
    if (!list) return false;
    Rect bar = ScrollBarBounds(list->rec.rView);
    if (list->rec.vScroll && PtInRect(pt, &bar)) {
        TrackScrollBar(*list, pt);
        return false;
    }
    Click click;
    click.kind = KindOf(list->rec.selFlags, modifiers);
    click.before = list->selected;
    click.current = CellAt(*list, pt);
    click.anchor = click.kind == ClickKind::Extend && list->Contains(list->rec.lastClick)
                       ? std::optional<Cell>(list->rec.lastClick)
                       : click.current;
    Select(*list, Chosen(*list, click));
    list->rec.clikLoc = pt;
    bool twice = CompletesDoubleClick(*list, click.current, platform::events::LastMouseDown());
    FollowPointer(*list, click);
    return twice;
}
