// Apple events as far as the quit event and the file dialogs need them: handlers installed by
// event class and event ID, the high-level events of the event queue dispatched to them, and
// descriptors and descriptor lists (the file dialogs' selections).
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
constexpr DescType typeWildCard = FOUR_CHAR_CODE("****");
constexpr DescType typeAEList = FOUR_CHAR_CODE("list");
constexpr DescType typeFSS = FOUR_CHAR_CODE("fss ");
constexpr DescType typeFSRef = FOUR_CHAR_CODE("fsrf");

constexpr OSErr errAECoercionFail = -1700;
constexpr OSErr errAEWrongDataType = -1703;
constexpr OSErr errAENotAEDesc = -1704;
constexpr OSErr errAENotAppleEvent = -1707;
constexpr OSErr errAEEventNotHandled = -1708;
constexpr OSErr errAEHandlerNotFound = -1717;
constexpr OSErr errAEIllegalIndex = -1719;

// Descriptors own a copy of their data; a disposed descriptor is a null one (typeNull, no data).
OSErr AECreateDesc(DescType typeCode, const void* dataPtr, Size dataSize, AEDesc* result);
OSErr AEDisposeDesc(AEDesc* theAEDesc);
Size AEGetDescDataSize(const AEDesc* theAEDesc);
// Copies at most maximumSize bytes of the data.
OSErr AEGetDescData(const AEDesc* theAEDesc, void* dataPtr, Size maximumSize);

// Lists of descriptors, numbered from 1. Records and factored lists are not offered (paramErr).
OSErr AECreateList(const void* factoringPtr, Size factoredSize, Boolean isRecord,
                   AEDescList* resultList);
// Replaces item index, or adds the descriptor at the end when index is 0 or one past the last.
OSErr AEPutDesc(AEDescList* theAEDescList, SInt32 index, const AEDesc* theAEDesc);
// A copy of item index as desiredType: typeWildCard takes it as it is; an FSRef ('fsrf') and
// an FSSpec ('fss ') of an existing item turn into each other; any
// other difference is errAECoercionFail. The keyword, when asked for, is typeWildCard.
OSErr AEGetNthDesc(const AEDescList* theAEDescList, SInt32 index, DescType desiredType,
                   AEKeyword* theAEKeyword, AEDesc* result);

typedef OSErr (*AEEventHandlerProcPtr)(const AppleEvent* theAppleEvent, AppleEvent* reply,
                                       SRefCon handlerRefcon);
typedef AEEventHandlerProcPtr AEEventHandlerUPP;
AEEventHandlerUPP NewAEEventHandlerUPP(AEEventHandlerProcPtr userRoutine);

// Installing replaces the handler of the same class and ID in the same table.
OSErr AEInstallEventHandler(AEEventClass theAEEventClass, AEEventID theAEEventID,
                            AEEventHandlerUPP handler, SRefCon handlerRefcon, Boolean isSysHandler);
// A null handler removes whatever is installed for the class and ID.
OSErr AERemoveEventHandler(AEEventClass theAEEventClass, AEEventID theAEEventID,
                           AEEventHandlerUPP handler, Boolean isSysHandler);

// The handler's result; errAEEventNotHandled when no handler takes the event, errAENotAppleEvent
// for an event that is not high-level.
OSErr AEProcessAppleEvent(const EventRecord* theEventRecord);
