// Where a scroll bar's parts lie: an arrow at each end as long as the bar is thick, the track
// between them, and in the track a square thumb placed by the value.
#pragma once

#include "Platform/Controls.h"

namespace platform::controls {

struct ScrollBarGeometry {
    bool vertical = true;
    Rect upArrow{};
    Rect downArrow{};
    Rect track{};
    Rect thumb{};      // empty when the track has no room for it
    SInt16 travel = 0; // how far the thumb can move, in pixels
};

ScrollBarGeometry GeometryOf(ControlRef scrollBar);
// The value for the thumb moved by delta pixels from where value puts it.
SInt16 ValueAfterDrag(ControlRef scrollBar, SInt16 value, SInt16 delta);

} // namespace platform::controls
