// A list's contents behind its public record: the cells row by row, one selection flag a
// cell, and what a click needs to remember. Lists are found from their handles and windows.
#pragma once

#include "Platform/Lists.h"

#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace platform::lists {

struct List {
    ListPtr master = &rec; // the handle points here
    ListRec rec{};
    WindowRef window = nullptr;
    std::vector<std::string> cells; // row by row
    std::vector<UInt8> selected;    // as cells
    bool clickPairs = false;        // the last click may begin a double click

    List() = default;
    List(const List&) = delete;
    List& operator=(const List&) = delete;

    ListHandle Handle() { return &master; }
    SInt16 Rows() const { return rec.dataBounds.bottom; }
    SInt16 Columns() const { return rec.dataBounds.right; }
    bool Contains(Cell cell) const {
        return cell.v >= 0 && cell.v < Rows() && cell.h >= 0 && cell.h < Columns();
    }
    size_t Index(Cell cell) const { return size_t(cell.v) * size_t(Columns()) + size_t(cell.h); }
    bool Selected(Cell cell) const { return selected[Index(cell)] != 0; }
    bool Drawing() const { return !(rec.listFlags & lDrawingModeOff); }
};

List* Find(ListHandle handle);
List& Register(std::unique_ptr<List> list);
void Forget(ListHandle handle);
// The lists of a window, in the order they were made.
std::vector<List*> ListsIn(WindowRef window);
// For tests: how many lists are alive, and disposing of them all.
long Count();
void Reset();

// Geometry, in the port's coordinates. Only whole rows are shown.
SInt16 ShownRows(const List& list);
SInt16 TopRow(const List& list);
SInt16 MaxTopRow(const List& list);
Rect CellRect(const List& list, Cell cell);
bool IsShown(const List& list, Cell cell);
std::optional<Cell> CellAt(const List& list, Point local);
Rect ScrollBarBounds(const Rect& view);

// Drawing into the list's port; each call does nothing while drawing is off.
void DrawCell(List& list, Cell cell);
void DrawAll(List& list);

// Makes the first shown row top (clamped), brings the scroll bar's maximum and value in step
// while drawing is on, and redraws.
void ScrollTo(List& list, SInt32 top);
// Tracks a click in the scroll bar.
void TrackScrollBar(List& list, Point local);

// Lets the display find and describe lists.
void InstallModelView();

} // namespace platform::lists
