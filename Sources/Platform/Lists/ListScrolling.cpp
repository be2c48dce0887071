// Scrolling by whole rows, through LAutoScroll and the vertical scroll bar, whose
// value is the top row shown.
#include "Lists/List.h"

#include <algorithm>

namespace platform::lists {

namespace {

void SyncScrollBar(List& list) {
    if (!list.rec.vScroll || !list.Drawing()) return;
    SetControlMaximum(list.rec.vScroll, MaxTopRow(list));
    SetControlValue(list.rec.vScroll, TopRow(list));
}

SInt16 PageRows(const List& list) {
    return SInt16(std::max(1, ShownRows(list) - 1)); // one row stays in view for context
}

// The bar's reference constant is the list's handle, so the action finds its list. The thumb
// has moved the value itself; the list follows it.
void ScrollBarAction(ControlRef control, ControlPartCode part) {
    List* list = Find(reinterpret_cast<ListHandle>(GetControlReference(control)));
    if (!list) return;
    SInt32 step = 0;
    switch (part) {
    case kControlIndicatorPart:
        ScrollTo(*list, GetControlValue(control));
        return;
    case kControlUpButtonPart:
        step = -1;
        break;
    case kControlDownButtonPart:
        step = 1;
        break;
    case kControlPageUpPart:
        step = -PageRows(*list);
        break;
    case kControlPageDownPart:
        step = PageRows(*list);
        break;
    default:
        return;
    }
    ScrollTo(*list, TopRow(*list) + step);
}

} // namespace

void ScrollTo(List& list, SInt32 top) {
    ListRec& rec = list.rec;
    rec.visible.top = SInt16(std::clamp<SInt32>(top, 0, MaxTopRow(list)));
    rec.visible.bottom = SInt16(rec.visible.top + ShownRows(list));
    SyncScrollBar(list);
    DrawAll(list);
}

void TrackScrollBar(List& list, Point local) {
    ControlRef bar = list.rec.vScroll, hit = nullptr;
    ControlPartCode part = FindControl(local, list.window, &hit);
    if (hit == bar && part != kControlNoPart) TrackControl(bar, local, ScrollBarAction);
}

} // namespace platform::lists

using namespace platform::lists;

void LAutoScroll(ListHandle lHandle) {
    List* list = Find(lHandle);
    Cell first{0, 0};
    if (!list || !LGetSelect(true, &first, lHandle)) return;
    if (first.v < TopRow(*list) || first.v >= TopRow(*list) + ShownRows(*list))
        ScrollTo(*list, first.v);
}
