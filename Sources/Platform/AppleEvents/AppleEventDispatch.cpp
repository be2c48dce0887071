// High-level events from the event queue to the handler installed for their class and ID.
#include "AppleEvents/HandlerTable.h"
#include "Platform/MacErrors.h"

namespace {

using namespace platform::appleevents;

AEEventID EventIDOf(const EventRecord& event) {
    return (AEEventID(UInt16(event.where.v)) << 16) | UInt16(event.where.h);
}

OSErr Dispatch(bool system, AEEventClass eventClass, AEEventID eventID) {
    const HandlerTable& table = Handlers(system);
    auto found = table.find({eventClass, eventID});
    if (found == table.end()) return errAEEventNotHandled;
    AppleEvent event{typeAppleEvent, nullptr};
    AppleEvent reply{typeNull, nullptr};
    return found->second.handler(&event, &reply, found->second.refcon);
}

} // namespace

OSErr AEProcessAppleEvent(const EventRecord* theEventRecord) {
    if (!theEventRecord || theEventRecord->what != kHighLevelEvent) return errAENotAppleEvent;
    AEEventClass eventClass = AEEventClass(theEventRecord->message);
    AEEventID eventID = EventIDOf(*theEventRecord);
    OSErr result = Dispatch(false, eventClass, eventID);
    return result == errAEEventNotHandled ? Dispatch(true, eventClass, eventID) : result;
}
