// What the other managers need of the Event Manager: the pointer and button as the raw input
// left them, the tracking loops' view of the input, modal loops, and the filters through which
// the Menu Manager sees key equivalents and the Apple Event Manager sees high-level events.
#pragma once

#include "Platform/Events.h"
#include "Platform/MacWindows.h"

#include <functional>

namespace platform::events {

Point MousePosition(); // global
bool ButtonIsDown();

// For tracking loops: waits for the pointer to move or the button to come up. Returns true
// with the new position while the button is held, false (with the release point) once it is up.
bool NextTrackingPoint(Point* where);

// Modal loops hold back the quit Apple event and key equivalents until they end.
class ModalScope {
  public:
    ModalScope();
    ~ModalScope();
    ModalScope(const ModalScope&) = delete;
    ModalScope& operator=(const ModalScope&) = delete;
};
bool InModalLoop();

// Called with every key-down and auto-key event with the Command key before the application
// sees it (outside modal loops); true swallows the key.
void SetKeyEquivalentFilter(std::function<bool(const EventRecord&)> filter);

// Sheets take the events aimed at them inside WaitNextEvent, so that the application's own loop
// keeps running: outside modal loops, every event about to be returned goes to the filter
// first, and one it uses up (true) is not returned.
void SetSheetEventFilter(std::function<bool(const EventRecord&)> filter);

// Queues a high-level event: the class in the message, the ID in where (high word in v).
void PostHighLevelEvent(UInt32 eventClass, UInt32 eventID);

// A window that goes away is never the subject of an activate event afterwards.
void ForgetWindow(WindowRef window);

// For tests: no events queued, the pointer at 0,0 with the button up, no active window. The
// filters and modal loops stay.
void Reset();

// The last mouse-down, for double clicks.
struct ClickRecord {
    UInt32 when = 0;
    Point where{};
    bool single = false; // made from a key: it neither completes a double click nor begins one
};
ClickRecord LastMouseDown();

} // namespace platform::events
