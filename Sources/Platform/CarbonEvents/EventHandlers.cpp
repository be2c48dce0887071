// Handlers on the application target and the chain an event travels through them.
#include "CarbonEvents/Event.h"

#include <algorithm>
#include <list>

struct OpaqueEventTargetRef {};

struct OpaqueEventHandlerRef {
    EventHandlerUPP handler = nullptr;
    std::vector<EventTypeSpec> types;
    void* userData = nullptr;

    bool Handles(const OpaqueEventRef& event) const {
        return std::any_of(types.begin(), types.end(), [&](const EventTypeSpec& type) {
            return type.eventClass == event.eventClass && type.eventKind == event.eventKind;
        });
    }
};

// One event's journey: the handlers as they were when it was sent, so that installing or
// removing a handler on the way changes nothing for it.
struct OpaqueEventHandlerCallRef {
    std::vector<OpaqueEventHandlerRef> chain;
};

namespace platform::carbonevents {

namespace {

OpaqueEventTargetRef applicationTarget;

// Newest first; list nodes stay put, so a handler's reference is its node.
std::list<OpaqueEventHandlerRef>& Installed() {
    static std::list<OpaqueEventHandlerRef> handlers;
    return handlers;
}

} // namespace

OSStatus SendToApplication(EventRef event, StandardHandler standard) {
    const auto& installed = Installed();
    OpaqueEventHandlerCallRef call{{installed.begin(), installed.end()}};
    for (const OpaqueEventHandlerRef& handler : call.chain) {
        if (!handler.Handles(*event)) continue;
        OSStatus result = handler.handler(&call, event, handler.userData);
        if (result != eventNotHandledErr) return result;
    }
    return standard ? standard(event) : eventNotHandledErr;
}

} // namespace platform::carbonevents

using namespace platform::carbonevents;

// Routine descriptors are the routines themselves.
EventHandlerUPP NewEventHandlerUPP(EventHandlerProcPtr userRoutine) {
    return userRoutine;
}

EventTargetRef GetApplicationEventTarget() {
    return &applicationTarget;
}

OSStatus InstallEventHandler(EventTargetRef inTarget, EventHandlerUPP inHandler,
                             ItemCount inNumTypes, const EventTypeSpec* inList, void* inUserData,
                             EventHandlerRef* outRef) {
    if (inTarget != &applicationTarget || !inHandler || (inNumTypes && !inList)) return paramErr;
    auto& installed = Installed();
    installed.push_front({inHandler, {inList, inList + inNumTypes}, inUserData});
    if (outRef) *outRef = &installed.front();
    return noErr;
}

OSStatus RemoveEventHandler(EventHandlerRef inHandlerRef) {
    auto& installed = Installed();
    auto found = std::find_if(installed.begin(), installed.end(),
                              [&](const OpaqueEventHandlerRef& h) { return &h == inHandlerRef; });
    if (found == installed.end()) return paramErr;
    installed.erase(found);
    return noErr;
}
