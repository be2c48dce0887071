#include "QuickDraw/Pixels.h"

#include "QuickDraw/Port.h"

#include <algorithm>
#include <cstring>
#include <vector>

namespace platform::quickdraw {

namespace {

std::vector<Offscreen*>& Registry() {
    static std::vector<Offscreen*> offscreens;
    return offscreens;
}

UInt32 Squared(int a, int b) {
    return UInt32((a - b) * (a - b));
}

} // namespace

SInt32 RowBytesFor(SInt16 width, SInt16 depth) {
    return (SInt32(width) * depth + 31) / 32 * 4;
}

UInt8* Pixels::Row(int y) const {
    return reinterpret_cast<UInt8*>(map_.baseAddr) + size_t(y) * (map_.rowBytes & 0x7FFF);
}

UInt32 Pixels::Get(int x, int y) const {
    const UInt8* row = Row(y);
    switch (map_.pixelSize) {
    case 1:
        return (row[x / 8] >> (7 - x % 8)) & 1;
    case 8:
        return row[x];
    case 16: {
        UInt16 value;
        std::memcpy(&value, row + 2 * ptrdiff_t(x), 2);
        return value;
    }
    default: {
        UInt32 value;
        std::memcpy(&value, row + 4 * ptrdiff_t(x), 4);
        return value;
    }
    }
}

void Pixels::Set(int x, int y, UInt32 value) {
    UInt8* row = Row(y);
    switch (map_.pixelSize) {
    case 1: {
        const UInt8 bit = UInt8(0x80 >> (x % 8));
        row[x / 8] = UInt8(value ? row[x / 8] | bit : row[x / 8] & ~bit);
        break;
    }
    case 8:
        row[x] = UInt8(value);
        break;
    case 16: {
        const UInt16 narrow = UInt16(value);
        std::memcpy(row + 2 * ptrdiff_t(x), &narrow, 2);
        break;
    }
    default:
        std::memcpy(row + 4 * ptrdiff_t(x), &value, 4);
        break;
    }
}

RGBColor Pixels::ToColor(UInt32 value) const {
    switch (map_.pixelSize) {
    case 16: {
        auto widen = [](UInt32 five) {
            return UInt16(five << 11 | five << 6 | five << 1 | five >> 4);
        };
        return RGBColor{widen(value >> 10 & 31), widen(value >> 5 & 31), widen(value & 31)};
    }
    case 32:
        return RGBColor{UInt16((value >> 16 & 255) * 257), UInt16((value >> 8 & 255) * 257),
                        UInt16((value & 255) * 257)};
    default: {
        const ColorTable& table = **map_.pmTable;
        for (int i = 0; i <= table.ctSize; ++i)
            if (UInt32(table.ctTable[i].value) == value) return table.ctTable[i].rgb;
        return RGBColor{0, 0, 0};
    }
    }
}

UInt32 Pixels::FromColor(const RGBColor& color) {
    switch (map_.pixelSize) {
    case 16:
        return UInt32(color.red >> 11) << 10 | UInt32(color.green >> 11) << 5 | color.blue >> 11;
    case 32:
        return UInt32(color.red >> 8) << 16 | UInt32(color.green >> 8) << 8 | color.blue >> 8;
    default:
        break;
    }
    const UInt64 key = UInt64(color.red) << 32 | UInt64(color.green) << 16 | color.blue;
    if (auto known = nearest_.find(key); known != nearest_.end()) return known->second;
    const ColorTable& table = **map_.pmTable;
    UInt32 best = 0, bestDistance = UINT32_MAX;
    for (int i = 0; i <= table.ctSize; ++i) {
        const RGBColor& c = table.ctTable[i].rgb;
        // Components compared in 8 bits, which keeps the sum inside 32 bits.
        const UInt32 distance = Squared(c.red >> 8, color.red >> 8) +
                                Squared(c.green >> 8, color.green >> 8) +
                                Squared(c.blue >> 8, color.blue >> 8);
        if (distance < bestDistance) {
            bestDistance = distance;
            best = UInt32(UInt16(table.ctTable[i].value));
        }
    }
    return nearest_[key] = best;
}

bool SameColours(CTabHandle a, CTabHandle b) {
    if (!a || !b) return a == b;
    return (*a)->ctSize == (*b)->ctSize &&
           std::memcmp((*a)->ctTable, (*b)->ctTable,
                       sizeof(ColorSpec) * size_t((*a)->ctSize + 1)) == 0;
}

bool Pixels::SameFormatAs(const Pixels& other) const {
    return map_.pixelSize == other.map_.pixelSize &&
           (map_.pixelSize > 8 || SameColours(map_.pmTable, other.map_.pmTable));
}

Offscreen* OffscreenOf(const void* pixMapOrBitMap) {
    for (Offscreen* offscreen : Registry())
        if (static_cast<const void*>(&offscreen->pixMap) == pixMapOrBitMap) return offscreen;
    return nullptr;
}

Offscreen* OffscreenOf(PixMapHandle pm) {
    for (Offscreen* offscreen : Registry())
        if (&offscreen->pixMapMaster == pm) return offscreen;
    return nullptr;
}

void RegisterOffscreen(Offscreen* offscreen) {
    Registry().push_back(offscreen);
}

void UnregisterOffscreen(Offscreen* offscreen) {
    std::erase(Registry(), offscreen);
}

void FillPixels(GrafPtr port, Rect area, const RGBColor& color) {
    const PixMap& map = port->offscreen->pixMap;
    for (const Rect& limit : {port->portRect, port->visBox, port->clipBox, map.bounds})
        if (!SectRect(&area, &limit, &area)) return;
    Pixels pixels(map);
    const UInt32 value = pixels.FromColor(color);
    for (int y = area.top; y < area.bottom; ++y)
        for (int x = area.left; x < area.right; ++x)
            pixels.Set(x - map.bounds.left, y - map.bounds.top, value);
}

} // namespace platform::quickdraw
