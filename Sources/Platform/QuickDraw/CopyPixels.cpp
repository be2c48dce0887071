// Copying pixels from one graphics world's pixel map to another's.
#include "QuickDraw/Pixels.h"

#include <cstring>

namespace platform::quickdraw {

namespace {

// Whole rows of the same format and scale move as bytes.
bool CopyRowsAsBytes(const PixMap& from, const Rect& fromRect, const PixMap& to, const Rect& toRect,
                     const Rect& area) {
    const int bytesPerPixel = from.pixelSize / 8;
    if (bytesPerPixel == 0 || fromRect.right - fromRect.left != toRect.right - toRect.left ||
        fromRect.bottom - fromRect.top != toRect.bottom - toRect.top)
        return false;
    const int dx = fromRect.left - toRect.left, dy = fromRect.top - toRect.top;
    Rect source{SInt16(area.top + dy), SInt16(area.left + dx), SInt16(area.bottom + dy),
                SInt16(area.right + dx)};
    Rect inside;
    if (!SectRect(&source, &from.bounds, &inside) || !EqualRect(&inside, &source)) return false;
    const size_t length = size_t(area.right - area.left) * size_t(bytesPerPixel);
    for (int y = area.top; y < area.bottom; ++y) {
        const UInt8* in = reinterpret_cast<const UInt8*>(from.baseAddr) +
                          size_t(y + dy - from.bounds.top) * (from.rowBytes & 0x7FFF) +
                          size_t(area.left + dx - from.bounds.left) * bytesPerPixel;
        UInt8* out = reinterpret_cast<UInt8*>(to.baseAddr) +
                     size_t(y - to.bounds.top) * (to.rowBytes & 0x7FFF) +
                     size_t(area.left - to.bounds.left) * bytesPerPixel;
        std::memmove(out, in, length);
    }
    return true;
}

} // namespace

void CopyPixels(const PixMap& from, const Rect& fromRect, const PixMap& to, const Rect& toRect) {
    Rect area;
    if (EmptyRect(&fromRect) || !SectRect(&toRect, &to.bounds, &area)) return;
    Pixels in(from), out(to);
    const bool same = in.SameFormatAs(out);
    if (same && CopyRowsAsBytes(from, fromRect, to, toRect, area)) return;
    const int fromW = fromRect.right - fromRect.left, fromH = fromRect.bottom - fromRect.top;
    const int toW = toRect.right - toRect.left, toH = toRect.bottom - toRect.top;
    for (int y = area.top; y < area.bottom; ++y) {
        const int sy = fromRect.top + int(SInt64(y - toRect.top) * fromH / toH);
        if (sy < from.bounds.top || sy >= from.bounds.bottom) continue;
        for (int x = area.left; x < area.right; ++x) {
            const int sx = fromRect.left + int(SInt64(x - toRect.left) * fromW / toW);
            if (sx < from.bounds.left || sx >= from.bounds.right) continue;
            const UInt32 value = in.Get(sx - from.bounds.left, sy - from.bounds.top);
            out.Set(x - to.bounds.left, y - to.bounds.top,
                    same ? value : out.FromColor(in.ToColor(value)));
        }
    }
}

} // namespace platform::quickdraw
