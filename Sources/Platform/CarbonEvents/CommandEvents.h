// Command events as the Menu Manager sends them.
#pragma once

#include "Platform/CarbonEvents.h"

namespace platform::carbonevents {

// Sends the command event to the application's handlers; the platform's standard handling
// turns a Quit command that they leave into the quit Apple event. Inside a modal loop nothing
// is sent. eventNotHandledErr when nobody took the command.
OSStatus ProcessCommand(const HICommand& command);

} // namespace platform::carbonevents
