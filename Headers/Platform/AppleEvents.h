// Apple events as far as the quit event needs them: handlers installed by event class
// and event ID, and the high-level events of the event queue dispatched to them.
//
// A high-level event carries its event class in the message and its event ID in where, the high
// word in v. The application's handler comes first; when it has none for the event, or returns
// errAEEventNotHandled, the system handler (isSysHandler) is tried.
#pragma once

#include "Platform/Events.h"

typedef FourCharCode DescType;
typedef FourCharCode AEKeyword;
typedef FourCharCode AEEventClass;
typedef FourCharCode AEEventID;
typedef struct OpaqueAEDataStorageType* AEDataStorageType;
typedef AEDataStorageType* AEDataStorage;

struct AEDesc {
    DescType descriptorType;
    AEDataStorage dataHandle;
};
typedef AEDesc AEDescList;
typedef AEDescList AERecord;
typedef AERecord AppleEvent;

constexpr AEEventClass kCoreEventClass = FOUR_CHAR_CODE("aevt");
constexpr AEEventID kAEQuitApplication = FOUR_CHAR_CODE("quit");
constexpr DescType typeNull = FOUR_CHAR_CODE("null");
constexpr DescType typeAppleEvent = FOUR_CHAR_CODE("aevt");

constexpr OSErr errAENotAppleEvent = -1707;
constexpr OSErr errAEEventNotHandled = -1708;
constexpr OSErr errAEHandlerNotFound = -1717;

typedef OSErr (*AEEventHandlerProcPtr)(const AppleEvent* theAppleEvent, AppleEvent* reply,
                                       SRefCon handlerRefcon);
typedef AEEventHandlerProcPtr AEEventHandlerUPP;
AEEventHandlerUPP NewAEEventHandlerUPP(AEEventHandlerProcPtr userRoutine);
void DisposeAEEventHandlerUPP(AEEventHandlerUPP userUPP);
OSErr InvokeAEEventHandlerUPP(const AppleEvent* theAppleEvent, AppleEvent* reply,
                              SRefCon handlerRefcon, AEEventHandlerUPP userUPP);

// Installing replaces the handler of the same class and ID in the same table.
OSErr AEInstallEventHandler(AEEventClass theAEEventClass, AEEventID theAEEventID,
                            AEEventHandlerUPP handler, SRefCon handlerRefcon, Boolean isSysHandler);
// A null handler removes whatever is installed for the class and ID.
OSErr AERemoveEventHandler(AEEventClass theAEEventClass, AEEventID theAEEventID,
                           AEEventHandlerUPP handler, Boolean isSysHandler);

// The handler's result; errAEEventNotHandled when no handler takes the event, errAENotAppleEvent
// for an event that is not high-level.
OSErr AEProcessAppleEvent(const EventRecord* theEventRecord);
