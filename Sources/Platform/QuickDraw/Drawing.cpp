// Pen, text and the shapes drawn into the current port.
#include "Display/Backend.h"
#include "QuickDraw/Pixels.h"
#include "QuickDraw/Port.h"

#include <algorithm>

using namespace platform::quickdraw;

// The pen's location and the port's text state stay as they are.
void PenNormal() {
    PenState& pen = CurrentPort()->pen;
    const Point location = pen.pnLoc;
    pen = NormalPen();
    pen.pnLoc = location;
}

void PenSize(SInt16 width, SInt16 height) {
    CurrentPort()->pen.pnSize = Point{height, width};
}
void GetPenState(PenState* state) {
    *state = CurrentPort()->pen;
}
void SetPenState(const PenState* state) {
    CurrentPort()->pen = *state;
}
void MoveTo(SInt16 h, SInt16 v) {
    CurrentPort()->pen.pnLoc = Point{v, h};
}

void TextSize(SInt16 size) {
    CurrentPort()->txSize = size;
}

// One fixed font serves every font number and size.
Boolean RealFont(SInt16, SInt16) {
    return true;
}

// Text is UTF-8: a character, not a byte, is 8 pixels wide.
SInt16 TextWidth(const void* textBuf, SInt16 firstByte, SInt16 byteCount) {
    const auto* bytes = static_cast<const UInt8*>(textBuf) + firstByte;
    SInt16 characters = 0;
    for (SInt16 i = 0; i < byteCount; ++i)
        if ((bytes[i] & 0xC0) != 0x80) ++characters;
    return SInt16(characters * kFontCharWidth);
}
SInt16 StringWidth(ConstStr255Param s) {
    return TextWidth(s, 1, s[0]);
}

// In a graphics world the frame is painted too, in the pen's size and the foreground colour.
void FrameRect(const Rect* r) {
    GrafPtr port = CurrentPort();
    if (port->offscreen && !EmptyRect(r)) {
        const SInt16 h = port->pen.pnSize.h, v = port->pen.pnSize.v;
        for (const Rect& edge : {Rect{r->top, r->left, SInt16(r->top + v), r->right},
                                 Rect{SInt16(r->bottom - v), r->left, r->bottom, r->right},
                                 Rect{r->top, r->left, r->bottom, SInt16(r->left + h)},
                                 Rect{r->top, SInt16(r->right - h), r->bottom, r->right}})
            FillPixels(port, edge, port->foreColor);
    }
    Record({DrawOp::Kind::Frame, *r, {}, normal});
}
void FrameRoundRect(const Rect* r, SInt16, SInt16) {
    Record({DrawOp::Kind::RoundFrame, *r, {}, normal});
}

// The pen hangs below and to the right of the path it follows.
void LineTo(SInt16 h, SInt16 v) {
    PenState& pen = CurrentPort()->pen;
    Point from = pen.pnLoc;
    Rect covered{std::min(from.v, v), std::min(from.h, h),
                 SInt16(std::max(from.v, v) + pen.pnSize.v),
                 SInt16(std::max(from.h, h) + pen.pnSize.h)};
    Record({DrawOp::Kind::Line, covered, {}, normal});
    pen.pnLoc = Point{v, h};
}

// Erasing forgets every shape that lay wholly inside the erased area; in a graphics world it
// paints the area in the background colour.
void EraseRect(const Rect* r) {
    if (CurrentPort()->offscreen) FillPixels(CurrentPort(), *r, CurrentPort()->backColor);
    auto& drawn = CurrentPort()->drawn;
    drawn.erase(std::remove_if(drawn.begin(), drawn.end(),
                               [&](const DrawOp& op) {
                                   Rect inside;
                                   return SectRect(&op.rect, r, &inside) &&
                                          EqualRect(&inside, &op.rect);
                               }),
                drawn.end());
    platform::display::CurrentBackend().ModelChanged();
}

void DrawText(const void* textBuf, SInt16 firstByte, SInt16 byteCount) {
    if (byteCount <= 0) return;
    GrafPtr port = CurrentPort();
    Point at = port->pen.pnLoc; // the baseline's left end
    std::string text(static_cast<const char*>(textBuf) + firstByte, size_t(byteCount));
    SInt16 width = TextWidth(textBuf, firstByte, byteCount);
    Rect box{SInt16(at.v - kFontAscent), at.h, SInt16(at.v - kFontAscent + kFontLineHeight),
             SInt16(at.h + width)};
    Record({DrawOp::Kind::Text, box, text, port->txFace});
    port->pen.pnLoc.h = SInt16(at.h + width);
}

void DrawString(ConstStr255Param s) {
    DrawText(s + 1, 0, s[0]);
}
