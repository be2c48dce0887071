// The event record behind EventRef, and sending an event through the application's handlers.
#pragma once

#include "Platform/CarbonEvents.h"

#include <map>
#include <vector>

struct OpaqueEventRef {
    struct Parameter {
        EventParamType type = 0;
        std::vector<UInt8> bytes;
    };

    UInt32 eventClass = 0;
    UInt32 eventKind = 0;
    std::map<EventParamName, Parameter> parameters;

    void SetParameter(EventParamName name, EventParamType type, const void* data, size_t size);
};

namespace platform::carbonevents {

// Runs when every handler has left the event: the platform's own handling of it.
using StandardHandler = OSStatus (*)(EventRef event);

// The handlers installed on the application target for the event's type, newest first, then
// the standard handling.
OSStatus SendToApplication(EventRef event, StandardHandler standard);

} // namespace platform::carbonevents
