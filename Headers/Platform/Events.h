// The Event Manager: event records, the event queue and the clock.
#pragma once

#include "Platform/Quickdraw.h"

typedef UInt16 EventKind;
typedef UInt16 EventMask;
typedef UInt16 EventModifiers;

// The message holds a window reference in update and activate events, so it is pointer-sized.
struct EventRecord {
    EventKind what;
    unsigned long message;
    UInt32 when;
    Point where;
    EventModifiers modifiers;
};

constexpr EventKind nullEvent = 0, mouseDown = 1, mouseUp = 2, keyDown = 3, keyUp = 4, autoKey = 5,
                    updateEvt = 6, diskEvt = 7, activateEvt = 8, osEvt = 15, kHighLevelEvent = 23;
constexpr EventMask mDownMask = 0x0002, mUpMask = 0x0004, keyDownMask = 0x0008, keyUpMask = 0x0010,
                    autoKeyMask = 0x0020, updateMask = 0x0040, activMask = 0x0100,
                    highLevelEventMask = 0x0400, osMask = 0x8000, everyEvent = 0xFFFF;
constexpr EventModifiers activeFlag = 0x0001, btnState = 0x0080, cmdKey = 0x0100, shiftKey = 0x0200,
                         alphaLock = 0x0400, optionKey = 0x0800, controlKey = 0x1000;
constexpr UInt32 charCodeMask = 0x000000FF, keyCodeMask = 0x0000FF00, osEvtMessageMask = 0xFF000000;
// Character codes of the keys that are not plain text.
constexpr UInt8 kHomeCharCode = 1, kEnterCharCode = 3, kEndCharCode = 4,
                kHelpCharCode = 5, // the Help key, Insert on a PC keyboard
    kBackspaceCharCode = 8, kTabCharCode = 9, kPageUpCharCode = 11, kPageDownCharCode = 12,
                kReturnCharCode = 13, kEscapeCharCode = 27, kLeftArrowCharCode = 28,
                kRightArrowCharCode = 29, kUpArrowCharCode = 30, kDownArrowCharCode = 31,
                kSpaceCharCode = 32, kDeleteCharCode = 127;
constexpr UInt32 suspendResumeMessage = 0x01, resumeFlag = 1;

Boolean WaitNextEvent(EventMask eventMask, EventRecord* theEvent, UInt32 sleep, RgnHandle mouseRgn);
Boolean EventAvail(EventMask eventMask, EventRecord* theEvent);
void FlushEvents(EventMask whichMask, EventMask stopMask);

UInt32 TickCount();
void Delay(UInt32 numTicks, UInt32* finalTicks);
UInt32 GetDblTime();
UInt32 GetCaretTime();

void SysBeep(SInt16 duration);
void InitCursor();
[[noreturn]] void ExitToShell();
