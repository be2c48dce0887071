// QuickDraw: graphics ports, rectangles, regions and the drawing calls the program makes.
// Text metrics are fixed: every character is 8 pixels wide, a line 16 pixels high (ascent 12).
// Drawing is recorded in the port's window; the display backend renders the window model.
#pragma once

#include "Platform/MacTypes.h"

typedef struct OpaqueGrafPtr* GrafPtr;
typedef GrafPtr CGrafPtr;
typedef CGrafPtr GWorldPtr;
// Regions are handles whose block starts with the region's size and bounding box.
typedef Handle RgnHandle;

struct BitMap {
    Ptr baseAddr;
    SInt16 rowBytes;
    Rect bounds;
};

struct PenState {
    Point pnLoc;
    Point pnSize;
    SInt16 pnMode;
    UInt8 pnPat[8];
};

struct GDevice {
    SInt16 gdRefNum;
    SInt16 gdID;
    SInt16 gdType;
    Rect gdRect;
};
typedef GDevice* GDPtr;
typedef GDPtr* GDHandle;

struct RGBColor {
    UInt16 red;
    UInt16 green;
    UInt16 blue;
};

// Colour tables: entry i maps pixel value ctTable[i].value to a colour; ctSize is the count - 1.
struct ColorSpec {
    SInt16 value;
    RGBColor rgb;
};
struct ColorTable {
    SInt32 ctSeed;
    SInt16 ctFlags;
    SInt16 ctSize;
    ColorSpec ctTable[1];
};
typedef ColorTable* CTabPtr;
typedef CTabPtr* CTabHandle;

typedef SInt16 QDErr;

typedef UInt8 Style;
constexpr Style normal = 0, bold = 1, italic = 2, underline = 4;
constexpr SInt16 kFontCharWidth = 8, kFontLineHeight = 16, kFontAscent = 12;
constexpr SInt16 systemFont = 0, applFont = 1;

// Ports.
void GetPort(GrafPtr* port);
void SetPort(GrafPtr port);
Rect* GetPortBounds(CGrafPtr port, Rect* rect);
SInt16 GetPortTextFont(CGrafPtr port);
SInt16 GetPortTextSize(CGrafPtr port);
RgnHandle GetPortVisibleRegion(CGrafPtr port, RgnHandle visRgn);
void LocalToGlobal(Point* pt);
void GlobalToLocal(Point* pt);
BitMap* GetQDGlobalsScreenBits(BitMap* screenBits);
GDHandle GetMainDevice();

// Port bounds and regions of ports that are not windows (a window's follow the window).
void SetPortBounds(CGrafPtr port, const Rect* rect);
void SetPortVisibleRegion(CGrafPtr port, RgnHandle visRgn);
void SetPortClipRegion(CGrafPtr port, RgnHandle clipRgn);
// Tells the platform that a port's fields were changed behind its back; nothing is cached here.
void PortChanged(GrafPtr port);

// Colour of the current port: foreground black and background white in a new port.
void RGBForeColor(const RGBColor* color);
void RGBBackColor(const RGBColor* color);
void GetForeColor(RGBColor* color);
void GetBackColor(RGBColor* color);
// Colour table 1 (black and white) is built in; other IDs come from 'clut' resources.
CTabHandle GetCTable(SInt16 ctID);
void DisposeCTable(CTabHandle cTable);
// The result of the last drawing call that reports one (graphics worlds, GetCTable).
QDErr QDError();

// Regions.
RgnHandle NewRgn();
void DisposeRgn(RgnHandle rgn);
void RectRgn(RgnHandle rgn, const Rect* r);
Boolean EmptyRgn(RgnHandle rgn);
void GetRegionBounds(RgnHandle rgn, Rect* bounds);

// Rectangles and points.
void OffsetRect(Rect* r, SInt16 dh, SInt16 dv);
void InsetRect(Rect* r, SInt16 dh, SInt16 dv);
Boolean SectRect(const Rect* a, const Rect* b, Rect* dst);
// The smallest rectangle that holds both.
void UnionRect(const Rect* a, const Rect* b, Rect* dst);
Boolean PtInRect(Point pt, const Rect* r);
Boolean EqualRect(const Rect* a, const Rect* b);
Boolean EmptyRect(const Rect* r);

// Pen and text state.
void PenNormal();
void PenSize(SInt16 width, SInt16 height);
void GetPenState(PenState* state);
void SetPenState(const PenState* state);
void MoveTo(SInt16 h, SInt16 v);
void TextSize(SInt16 size);
Boolean RealFont(SInt16 fontNum, SInt16 size);
SInt16 StringWidth(ConstStr255Param s);
SInt16 TextWidth(const void* textBuf, SInt16 firstByte, SInt16 byteCount);

// Drawing.
void FrameRect(const Rect* r);
void EraseRect(const Rect* r);
void FrameRoundRect(const Rect* r, SInt16 ovalWidth, SInt16 ovalHeight);
// A line from the pen's location to the point, which the pen then moves to.
void LineTo(SInt16 h, SInt16 v);
void DrawString(ConstStr255Param s);
void DrawText(const void* textBuf, SInt16 firstByte, SInt16 byteCount);
