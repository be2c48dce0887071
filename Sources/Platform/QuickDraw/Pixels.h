// Reading and writing the pixels of a graphics world's pixel map, and turning colours into
// pixel values and back. Pixels are stored as the depth says: 1 bit (0 white, 1 black, leftmost
// pixel in the high bit), 8 bits (an index into the colour table), 16 bits (xRRRRRGGGGGBBBBB)
// and 32 bits (xxRRGGBB), the wider ones as native integers.
#pragma once

#include "Platform/QDOffscreen.h"

#include <unordered_map>

namespace platform::quickdraw {

struct Offscreen;

class Pixels {
  public:
    explicit Pixels(const PixMap& map) : map_(map) {}

    // x and y count from the pixel map's top left.
    UInt32 Get(int x, int y) const;
    void Set(int x, int y, UInt32 value);
    RGBColor ToColor(UInt32 value) const;
    // The nearest colour the depth can hold; indexed depths remember what they looked up.
    UInt32 FromColor(const RGBColor& color);
    bool SameFormatAs(const Pixels& other) const;

  private:
    UInt8* Row(int y) const;
    const PixMap& map_;
    std::unordered_map<UInt64, UInt32> nearest_;
};

// The same colours at the same values (seed and flags aside); two null tables are the same.
bool SameColours(CTabHandle a, CTabHandle b);

// Bytes per row for a width and depth: whole 32-bit words, as the original kept them.
SInt32 RowBytesFor(SInt16 width, SInt16 depth);

// Copies the pixels of fromRect (in from's bounds) to toRect (in to's bounds), scaled to fit,
// converting colours where the formats differ; only the part inside to's bounds. The two maps
// hold different pixels.
void CopyPixels(const PixMap& from, const Rect& fromRect, const PixMap& to, const Rect& toRect);

// The graphics world whose pixel map or BitMap view this is; null for any other.
Offscreen* OffscreenOf(const void* pixMapOrBitMap);
Offscreen* OffscreenOf(PixMapHandle pm);
void RegisterOffscreen(Offscreen* offscreen);
void UnregisterOffscreen(Offscreen* offscreen);

// Paints a rectangle of a graphics world's port in local coordinates, clipped to the port.
void FillPixels(GrafPtr port, Rect area, const RGBColor& color);

} // namespace platform::quickdraw
