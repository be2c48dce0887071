// Pixels and cells: the terminal shows pixel (x, y) in cell (x / 8, y / 16), rounding towards
// the cell that holds the pixel, also left of and above the screen.
#pragma once

#include "Platform/Quickdraw.h"

namespace platform::display::terminal {

inline int FloorDivide(int value, int by) {
    return value >= 0 ? value / by : -((-value + by - 1) / by);
}

// Cells a global rectangle touches; right and bottom are exclusive.
struct CellArea {
    int left = 0, top = 0, right = 0, bottom = 0;
    int Width() const { return right - left; }
    int Height() const { return bottom - top; }
};

inline CellArea CellsOf(const Rect& r) {
    return CellArea{FloorDivide(r.left, kFontCharWidth), FloorDivide(r.top, kFontLineHeight),
                    FloorDivide(r.right + kFontCharWidth - 1, kFontCharWidth),
                    FloorDivide(r.bottom + kFontLineHeight - 1, kFontLineHeight)};
}

inline int ColumnOf(int x) {
    return FloorDivide(x, kFontCharWidth);
}
inline int RowOf(int y) {
    return FloorDivide(y, kFontLineHeight);
}

// The middle of a cell, where a click in it lands.
inline Point PixelOfCell(int column, int row) {
    return Point{SInt16(row * kFontLineHeight + kFontLineHeight / 2),
                 SInt16(column * kFontCharWidth + kFontCharWidth / 2)};
}

} // namespace platform::display::terminal
