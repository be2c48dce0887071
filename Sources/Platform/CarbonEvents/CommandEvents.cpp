#include "CarbonEvents/CommandEvents.h"

#include "CarbonEvents/Event.h"
#include "Events/EventSource.h"
#include "Platform/AppleEvents.h"

namespace platform::carbonevents {

namespace {

OSStatus StandardCommand(EventRef event) {
    HICommand command{};
    GetEventParameter(event, kEventParamDirectObject, typeHICommand, nullptr, sizeof command,
                      nullptr, &command);
    if (command.commandID != kHICommandQuit) return eventNotHandledErr;
    events::PostHighLevelEvent(kCoreEventClass, kAEQuitApplication);
    return noErr;
}

} // namespace

OSStatus ProcessCommand(const HICommand& command) {
    if (events::InModalLoop()) return eventNotHandledErr;
    OpaqueEventRef event{kEventClassCommand, kEventCommandProcess, {}};
    event.SetParameter(kEventParamDirectObject, typeHICommand, &command, sizeof command);
    return SendToApplication(&event, StandardCommand);
}

} // namespace platform::carbonevents
