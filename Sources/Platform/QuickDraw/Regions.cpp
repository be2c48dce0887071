// A region is kept as its bounding rectangle: the program only asks whether a region is empty
// and what it covers, never for shapes other than rectangles.
#include "Platform/MacMemory.h"
#include "Platform/Quickdraw.h"

#include <cstring>

namespace {

// The original layout: a 16-bit size, then the bounding box.
struct RegionHeader {
    SInt16 rgnSize;
    Rect rgnBBox;
};

RegionHeader* HeaderOf(RgnHandle rgn) {
    if (!rgn || GetHandleSize(rgn) < Size(sizeof(RegionHeader))) return nullptr;
    return reinterpret_cast<RegionHeader*>(*rgn);
}

} // namespace

RgnHandle NewRgn() {
    RgnHandle rgn = NewHandleClear(sizeof(RegionHeader));
    if (RegionHeader* header = HeaderOf(rgn)) header->rgnSize = sizeof(RegionHeader);
    return rgn;
}

void DisposeRgn(RgnHandle rgn) {
    DisposeHandle(rgn);
}

void RectRgn(RgnHandle rgn, const Rect* r) {
    RegionHeader* header = HeaderOf(rgn);
    if (!header) return;
    header->rgnSize = sizeof(RegionHeader);
    header->rgnBBox = EmptyRect(r) ? Rect{} : *r;
}

Boolean EmptyRgn(RgnHandle rgn) {
    RegionHeader* header = HeaderOf(rgn);
    return !header || EmptyRect(&header->rgnBBox);
}

void GetRegionBounds(RgnHandle rgn, Rect* bounds) {
    RegionHeader* header = HeaderOf(rgn);
    *bounds = header ? header->rgnBBox : Rect{};
}
