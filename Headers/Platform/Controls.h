// The Control Manager: buttons, check boxes, radio buttons and scroll bars in a window.
#pragma once

#include "Platform/MacWindows.h"

typedef struct OpaqueControlRef* ControlRef;
typedef ControlRef ControlHandle;
typedef SInt16 ControlPartCode;

typedef void (*ControlActionProcPtr)(ControlRef theControl, ControlPartCode partCode);
typedef ControlActionProcPtr ControlActionUPP;
ControlActionUPP NewControlActionUPP(ControlActionProcPtr userRoutine);
void DisposeControlActionUPP(ControlActionUPP userUPP);
void InvokeControlActionUPP(ControlRef theControl, ControlPartCode partCode,
                            ControlActionUPP userUPP);

// Definition IDs (procID = definition ID x 16 + variation).
constexpr SInt16 pushButProc = 0, checkBoxProc = 1, radioButProc = 2, scrollBarProc = 16,
                 kControlPushButtonProc = 368, kControlCheckBoxProc = 369,
                 kControlRadioButtonProc = 370, kControlScrollBarProc = 384,
                 kControlScrollBarLiveProc = 386, kControlPopupButtonProc = 400,
                 popupMenuProc = 1008;

// Part codes; a radio button answers with the check box part.
constexpr ControlPartCode kControlNoPart = 0, kControlMenuPart = 2, kControlButtonPart = 10,
                          kControlCheckBoxPart = 11, kControlUpButtonPart = 20,
                          kControlDownButtonPart = 21, kControlPageUpPart = 22,
                          kControlPageDownPart = 23, kControlIndicatorPart = 129,
                          kControlInactivePart = 255;

ControlRef NewControl(WindowRef owningWindow, const Rect* boundsRect, ConstStr255Param title,
                      Boolean visible, SInt16 value, SInt16 min, SInt16 max, SInt16 procID,
                      SRefCon refCon);
void DisposeControl(ControlRef theControl);
// Disposes of every control in the window.
void KillControls(WindowRef theWindow);
void Draw1Control(ControlRef theControl);

// 0 active, 255 inactive, a part code to show that part pressed.
void HiliteControl(ControlRef theControl, ControlPartCode hiliteState);
UInt16 GetControlHilite(ControlRef control);
// The value stays between the minimum and the maximum.
SInt16 GetControlValue(ControlRef theControl);
void SetControlValue(ControlRef theControl, SInt16 newValue);
SInt16 GetControlMinimum(ControlRef theControl);
void SetControlMinimum(ControlRef theControl, SInt16 newMinimum);
SInt16 GetControlMaximum(ControlRef theControl);
void SetControlMaximum(ControlRef theControl, SInt16 newMaximum);
void SetControlReference(ControlRef theControl, SRefCon data);
SRefCon GetControlReference(ControlRef theControl);

// testPoint is in the window's local coordinates. Invisible and inactive controls are not
// found: part 0 and a null control.
ControlPartCode FindControl(Point testPoint, WindowRef theWindow, ControlRef* theControl);
// Follows the pressed button from startPoint (local) until it comes up, highlighting the part
// while the pointer is in it and calling actionProc (which may be null) over and over while it
// is. The part when the button comes up inside it, else 0. Only the thumb changes the value
// by itself; arrows and page areas leave that to the action procedure or the caller.
ControlPartCode TrackControl(ControlRef theControl, Point startPoint, ControlActionUPP actionProc);
