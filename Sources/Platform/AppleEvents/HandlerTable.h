// The two dispatch tables of Apple event handlers: the application's and the system's.
#pragma once

#include "Platform/AppleEvents.h"

#include <map>
#include <utility>

namespace platform::appleevents {

struct InstalledHandler {
    AEEventHandlerUPP handler = nullptr;
    SRefCon refcon = 0;
};

using HandlerTable = std::map<std::pair<AEEventClass, AEEventID>, InstalledHandler>;

HandlerTable& Handlers(bool system);

} // namespace platform::appleevents
