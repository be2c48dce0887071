#include "Controls/ScrollBarGeometry.h"

#include "Controls/Control.h"

#include <algorithm>

namespace platform::controls {

namespace {

// A rectangle spanning [from, to) along the bar and the bar's whole thickness.
Rect Span(const Rect& bar, bool vertical, SInt16 from, SInt16 to) {
    return vertical ? Rect{from, bar.left, to, bar.right} : Rect{bar.top, from, bar.bottom, to};
}

SInt16 Range(ControlRef scrollBar) {
    return SInt16(std::max(0, scrollBar->maximum - scrollBar->minimum));
}

} // namespace

ScrollBarGeometry GeometryOf(ControlRef scrollBar) {
    const Rect& bar = scrollBar->bounds;
    ScrollBarGeometry g;
    g.vertical = bar.bottom - bar.top >= bar.right - bar.left;
    SInt16 start = g.vertical ? bar.top : bar.left, end = g.vertical ? bar.bottom : bar.right;
    SInt16 thickness = g.vertical ? SInt16(bar.right - bar.left) : SInt16(bar.bottom - bar.top);
    SInt16 arrow = std::min<SInt16>(thickness, SInt16((end - start) / 2));
    g.upArrow = Span(bar, g.vertical, start, SInt16(start + arrow));
    g.downArrow = Span(bar, g.vertical, SInt16(end - arrow), end);
    SInt16 trackStart = SInt16(start + arrow), trackEnd = SInt16(end - arrow);
    g.track = Span(bar, g.vertical, trackStart, trackEnd);
    if (trackEnd - trackStart < thickness) return g;
    g.travel = SInt16(trackEnd - trackStart - thickness);
    SInt16 range = Range(scrollBar);
    SInt32 offset = range ? SInt32(scrollBar->value - scrollBar->minimum) * g.travel / range : 0;
    g.thumb =
        Span(bar, g.vertical, SInt16(trackStart + offset), SInt16(trackStart + offset + thickness));
    return g;
}

SInt16 ValueAfterDrag(ControlRef scrollBar, SInt16 value, SInt16 delta) {
    SInt16 travel = GeometryOf(scrollBar).travel;
    if (travel == 0) return value;
    SInt32 moved = SInt32(delta) * Range(scrollBar) / travel;
    return SInt16(std::clamp<SInt32>(value + moved, scrollBar->minimum,
                                     std::max(scrollBar->minimum, scrollBar->maximum)));
}

} // namespace platform::controls
