// Command events as far as the menus need them: handlers installed on the application target
// for event types, and the command event with its HICommand.
//
// Handlers are called newest first; one that returns eventNotHandledErr passes the event on, and
// what every handler leaves gets the platform's standard handling. Command events are sent from
// inside MenuSelect and for key equivalents, never inside a modal loop.
#pragma once

#include "Platform/MacErrors.h"
#include "Platform/Menus.h"

typedef struct OpaqueEventRef* EventRef;
typedef struct OpaqueEventHandlerRef* EventHandlerRef;
typedef struct OpaqueEventHandlerCallRef* EventHandlerCallRef;
typedef struct OpaqueEventTargetRef* EventTargetRef;
typedef OSType EventParamName;
typedef OSType EventParamType;

struct EventTypeSpec {
    UInt32 eventClass;
    UInt32 eventKind;
};

struct HICommand {
    UInt32 attributes;
    UInt32 commandID;
    struct {
        MenuRef menuRef;
        MenuItemIndex menuItemIndex;
    } menu;
};

constexpr UInt32 kEventClassCommand = FOUR_CHAR_CODE("cmds");
constexpr UInt32 kEventCommandProcess = 1;
constexpr EventParamName kEventParamDirectObject = FOUR_CHAR_CODE("----");
constexpr EventParamType typeHICommand = FOUR_CHAR_CODE("hcmd");
constexpr UInt32 kHICommandFromMenu = 1;
constexpr MenuCommand kHICommandQuit = FOUR_CHAR_CODE("quit");
constexpr OSStatus eventParameterNotFoundErr = -9870;

typedef OSStatus (*EventHandlerProcPtr)(EventHandlerCallRef inHandlerCallRef, EventRef inEvent,
                                        void* inUserData);
typedef EventHandlerProcPtr EventHandlerUPP;
EventHandlerUPP NewEventHandlerUPP(EventHandlerProcPtr userRoutine);

EventTargetRef GetApplicationEventTarget();
// The handler reference may be null when the caller never removes the handler.
OSStatus InstallEventHandler(EventTargetRef inTarget, EventHandlerUPP inHandler,
                             ItemCount inNumTypes, const EventTypeSpec* inList, void* inUserData,
                             EventHandlerRef* outRef);
OSStatus RemoveEventHandler(EventHandlerRef inHandlerRef);

inline OSStatus InstallApplicationEventHandler(EventHandlerUPP inHandler, ItemCount inNumTypes,
                                               const EventTypeSpec* inList, void* inUserData,
                                               EventHandlerRef* outRef) {
    return InstallEventHandler(GetApplicationEventTarget(), inHandler, inNumTypes, inList,
                               inUserData, outRef);
}

UInt32 GetEventClass(EventRef inEvent);
UInt32 GetEventKind(EventRef inEvent);
// Copies at most inBufferSize bytes; the actual size is the parameter's whole size. Either out
// pointer for the type and the size may be null.
OSStatus GetEventParameter(EventRef inEvent, EventParamName inName, EventParamType inDesiredType,
                           EventParamType* outActualType, ByteCount inBufferSize,
                           ByteCount* outActualSize, void* outData);
