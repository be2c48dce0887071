// The window record and the window list, front to back.
#pragma once

#include "Platform/MacWindows.h"
#include "QuickDraw/Port.h"

#include <string>
#include <vector>

struct OpaqueDialogPtr;

struct OpaqueWindowPtr {
    OpaqueGrafPtr port; // port.origin is the content's top-left on screen
    SInt16 kind = kApplicationWindowKind;
    SInt16 procID = 0;
    bool visible = false;
    bool hasCloseBox = false;
    std::string title;
    SRefCon refCon = 0;
    OpaqueDialogPtr* dialog = nullptr; // the dialog this window belongs to, if any
    bool needsUpdate = true;
    UInt64 serial = 0; // tells a new window from a gone one at the same address
};

namespace platform::windows {

// Makes a window whose content covers globalContent, in front of all windows when behind is
// (WindowRef)-1, behind all of them when it is null, otherwise just behind that window.
WindowRef CreateWindow(const Rect& globalContent, const std::string& title, bool visible,
                       bool closeBox, SInt16 procID, WindowRef behind);
void BringToFront(WindowRef window);
// Takes a window out of the list; the caller releases it.
void Forget(WindowRef window);
// Every window, visible or not, front to back.
const std::vector<WindowRef>& WindowList();
bool IsWindow(WindowRef window);

Rect ContentBounds(WindowRef window); // global
Rect TitleBarBounds(WindowRef window);
Rect CloseBoxBounds(WindowRef window);
Rect StructureBounds(WindowRef window);

// Tells the display that the model changed.
void ModelChanged();
// The display's snapshot of the windows, installed with the first window.
void InstallModelView();

// For tests: disposes of every window.
void Reset();

} // namespace platform::windows
