// The main event loop and its three stages: the program's own filter, the general handling
// of menu bar, windows and system events, and the dialog dispatch.
#pragma once

#include "Korvane/Shell/GlueRec.h"
#include "Platform/AppleEvents.h"
#include "Platform/CarbonEvents.h"

// One turn: fetch an event into theEvent and route it.
void RunMainLoopTurn(GlueRec* context);
// False when the event is used up.
Boolean FilterMainEvent(GlueRec* context, EventRecord* event);
// The menus as the window in front allows them now.
void AdjustMenusToFront(GlueRec* context);
// False when the event is used up; true lets it on to the dialog dispatch.
Boolean HandleMainCommonDialogEvent(GlueRec* context, EventRecord* event);
void DoActivate(GlueRec* context, WindowRef window, Boolean becomingActive);
void DoDialogNullEvent(GlueRec* context);
// Opens the list dialog; reports a failure itself.
void ResumeEvent(GlueRec* context);
void SuspendEvent(GlueRec* context);
OSStatus carbonEventHandler(EventHandlerCallRef handler, EventRef event, void* userData);
OSErr QuitAppleEventHandler(const AppleEvent* event, AppleEvent* reply, SRefCon refCon);

// The menu state of a front dialog: 0 the list dialog, 1 the entry editor, 2 any other.
short MenuStateOfDialog(const GlueRec* context, DialogRef dialog);

Boolean IsAppWindow(WindowRef window);
Boolean DoCloseWindow(WindowRef window);
Boolean MoreDialogAvailable(GlueRec* context);
