#include "AppleEvents/HandlerTable.h"
#include "Platform/MacErrors.h"

namespace platform::appleevents {

HandlerTable& Handlers(bool system) {
    static HandlerTable application, systemWide;
    return system ? systemWide : application;
}

} // namespace platform::appleevents

using namespace platform::appleevents;

// Routine descriptors are the routines themselves.
AEEventHandlerUPP NewAEEventHandlerUPP(AEEventHandlerProcPtr userRoutine) {
    return userRoutine;
}

OSErr AEInstallEventHandler(AEEventClass theAEEventClass, AEEventID theAEEventID,
                            AEEventHandlerUPP handler, SRefCon handlerRefcon,
                            Boolean isSysHandler) {
    if (!handler) return paramErr;
    Handlers(isSysHandler)[{theAEEventClass, theAEEventID}] = {handler, handlerRefcon};
    return noErr;
}

OSErr AERemoveEventHandler(AEEventClass theAEEventClass, AEEventID theAEEventID,
                           AEEventHandlerUPP handler, Boolean isSysHandler) {
    HandlerTable& table = Handlers(isSysHandler);
    auto found = table.find({theAEEventClass, theAEEventID});
    if (found == table.end() || (handler && found->second.handler != handler))
        return errAEHandlerNotFound;
    table.erase(found);
    return noErr;
}
