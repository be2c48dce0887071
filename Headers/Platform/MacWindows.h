// The Window Manager: the window list front to back, window parts, dragging and the close box.
#pragma once

#include "Platform/Quickdraw.h"

typedef struct OpaqueWindowPtr* WindowRef;
typedef WindowRef WindowPtr;
typedef SInt16 WindowPartCode;

// Window kinds.
constexpr SInt16 kDialogWindowKind = 2, kApplicationWindowKind = 8;
// Parts of FindWindow.
constexpr WindowPartCode inDesk = 0, inMenuBar = 1, inSysWindow = 2, inContent = 3, inDrag = 4,
                         inGrow = 5, inGoAway = 6;

// A window's frame on screen: a title bar one text line high above the content, with the
// close box in its first three columns, and a one-column border left and right.
constexpr SInt16 kTitleBarHeight = 16, kWindowBorderWidth = 8, kCloseBoxWidth = 24;

// How a window blocks the others: an application-modal one all of them, a window-modal one (a
// sheet) only its parent.
typedef UInt32 WindowModality;
constexpr WindowModality kWindowModalityNone = 0, kWindowModalityAppModal = 2,
                         kWindowModalityWindowModal = 3;

WindowRef FrontWindow();
void SelectWindow(WindowRef window);
void ShowWindow(WindowRef window);
WindowPartCode FindWindow(Point thePoint, WindowRef* window);
void DragWindow(WindowRef window, Point startPt, const Rect* boundsRect);
void MoveWindow(WindowRef window, SInt16 hGlobal, SInt16 vGlobal, Boolean front);
Boolean TrackGoAway(WindowRef window, Point thePt);
SRefCon GetWRefCon(WindowRef window);
void SetWRefCon(WindowRef window, SRefCon data);
SInt16 GetWindowKind(WindowRef window);
void DisposeWindow(WindowRef window);
CGrafPtr GetWindowPort(WindowRef window);
void BeginUpdate(WindowRef window);
void EndUpdate(WindowRef window);
