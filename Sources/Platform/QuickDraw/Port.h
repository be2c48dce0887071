// A graphics port: its bounds, its place on screen, pen and text state, and what has been drawn
// into it, kept as a list of shapes and texts that a display backend can render.
#pragma once

#include "Platform/QDOffscreen.h"

#include <memory>
#include <string>
#include <vector>

struct OpaqueWindowPtr;

namespace platform::quickdraw {

struct DrawOp {
    // Highlight: a selected area (a list cell), shown inverted. Line: the area the pen covered.
    enum class Kind { Text, Frame, RoundFrame, FocusRing, ListBoxFrame, Highlight, Line };
    Kind kind = Kind::Text;
    Rect rect{};      // local coordinates; for text, the box the text covers
    std::string text; // Text only
    Style face = normal;
};

// What a graphics world's port has beyond a window's: real pixels and a device of its own.
struct Offscreen {
    Offscreen() = default;
    Offscreen(const Offscreen&) = delete;
    Offscreen& operator=(const Offscreen&) = delete;
    ~Offscreen(); // disposes of the colour table

    PixMap pixMap{};
    PixMapPtr pixMapMaster = &pixMap;
    std::vector<UInt8> pixels;
    GDevice device{};
    GDPtr deviceMaster = &device;
    GDHandle deviceInUse = &deviceMaster; // another's with noNewDevice
    GWorldFlags pixelsState = 0;
};

} // namespace platform::quickdraw

struct OpaqueGrafPtr {
    Rect portRect{}; // local coordinates
    Point origin{};  // global position of local (0, 0)
    PenState pen{};
    SInt16 txFont = systemFont;
    SInt16 txSize = 12;
    Style txFace = normal;
    OpaqueWindowPtr* window = nullptr; // the window whose port this is, if any
    std::vector<platform::quickdraw::DrawOp> drawn;
    RGBColor foreColor{0, 0, 0};
    RGBColor backColor{65535, 65535, 65535};
    Rect visBox{};                              // ports that are not windows
    Rect clipBox{-32767, -32767, 32767, 32767}; // wide open
    BitMap portBits{};                          // handed out for a port without pixels
    std::unique_ptr<platform::quickdraw::Offscreen> offscreen; // graphics worlds only
};

namespace platform::quickdraw {

// The current port; never null: a screen port stands in when nothing else is current.
GrafPtr CurrentPort();
// Forgets a port that is going away, so that it is never current afterwards.
void ForgetPort(GrafPtr port);
// Resets pen and text state as a new port starts.
void InitPort(GrafPtr port);
// The pen of a new port at (0, 0): 1 by 1, copying, black.
PenState NormalPen();
// Records a shape in the current port, replacing whatever lay wholly under an erased area.
void Record(const DrawOp& op);
void SetQDError(QDErr err);
// A point of the port between its local and global coordinates.
inline Point GlobalOf(const OpaqueGrafPtr& port, Point local) {
    return Point{SInt16(local.v + port.origin.v), SInt16(local.h + port.origin.h)};
}
inline Point LocalOf(const OpaqueGrafPtr& port, Point global) {
    return Point{SInt16(global.v - port.origin.v), SInt16(global.h - port.origin.h)};
}
inline Rect GlobalOf(const OpaqueGrafPtr& port, Rect local) {
    OffsetRect(&local, port.origin.h, port.origin.v);
    return local;
}

} // namespace platform::quickdraw
