// The List Manager: a grid of text cells in a window's view rectangle, with a selection and
// a vertical scroll bar. Only the standard text definition (0) is offered; a list has no
// horizontal scroll bar and no grow box. Cells are (h column, v row) from 0.
#pragma once

#include "Platform/Controls.h"
#include "Platform/Events.h"

typedef Point Cell;
typedef Rect ListBounds;

// Selection flags: one cell at a time; no Command-click toggling; no Shift-click extension.
constexpr SInt8 lOnlyOne = SInt8(0x80), lNoDisjoint = 0x20, lNoExtend = 0x10;
// List flags.
constexpr SInt8 lDrawingModeOff = 0x08;

// The fields are kept current by the calls; an application may read them and set selFlags.
struct ListRec {
    Rect rView;            // the view, in the port's coordinates
    GrafPtr port;          // the owning window's port
    Point indent;          // where a cell's text starts within the cell
    Point cellSize;        // h width, v height
    ListBounds visible;    // the cells shown: whole rows only
    ControlRef vScroll;    // null without a vertical scroll bar
    SInt8 selFlags;        // lOnlyOne, lNoDisjoint, lNoExtend
    SInt8 listFlags;       // lDrawingModeOff
    UInt32 clikTime;       // when the last click went down
    Point clikLoc;         // where it went down, local
    Cell lastClick;        // the cell it hit; (-1, -1) for none
    SRefCon refCon;        // the application's
    ListBounds dataBounds; // top-left (0, 0); bottom the rows, right the columns
};
typedef ListRec* ListPtr;
typedef ListPtr* ListHandle;

ListHandle LNew(const Rect* rView, const ListBounds* dataBounds, Point cSize, SInt16 theProc,
                WindowRef theWindow, Boolean drawIt, Boolean hasGrow, Boolean scrollHoriz,
                Boolean scrollVert);
void LDispose(ListHandle lHandle);

// Rows: the number of the first row added; count 0 deletes every row.
SInt16 LAddRow(SInt16 count, SInt16 rowNum, ListHandle lHandle);
void LDelRow(SInt16 count, SInt16 rowNum, ListHandle lHandle);

void LSetCell(const void* dataPtr, SInt16 dataLen, Cell theCell, ListHandle lHandle);
// Copies at most *dataLen bytes of the cell's data and sets *dataLen to the bytes copied; 0 for
// a cell outside the list.
void LGetCell(void* dataPtr, SInt16* dataLen, Cell theCell, ListHandle lHandle);

// Sets a cell whatever the selection flags say.
void LSetSelect(Boolean setIt, Cell theCell, ListHandle lHandle);
// With next, finds the first selected cell at or after theCell, row by row; without, tells
// whether theCell is selected. theCell is left as it was when nothing is found.
Boolean LGetSelect(Boolean next, Cell* theCell, ListHandle lHandle);

// pt is local to the list's port; the click happened at the last mouse-down. True when it was
// the second of a double click on one cell within the double-click time.
Boolean LClick(Point pt, EventModifiers modifiers, ListHandle lHandle);
// Brings the first selected cell into view.
void LAutoScroll(ListHandle lHandle);
// Draws the cells and the scroll bar within the region's bounds, whatever the drawing mode.
void LUpdate(RgnHandle theRgn, ListHandle lHandle);
void LSetDrawingMode(Boolean drawIt, ListHandle lHandle);

Rect* GetListViewBounds(ListHandle list, Rect* view);
ControlRef GetListVerticalScrollBar(ListHandle list);
void SetListSelectionFlags(ListHandle list, SInt8 selectionFlags);
