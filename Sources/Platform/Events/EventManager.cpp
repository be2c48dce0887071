// Events come, in this order of priority, as activate events for a change of front window,
// from the queue (posted events and converted input), as update events, or as null events.
#include "Display/Backend.h"
#include "Events/EventSource.h"
#include "Windows/Window.h"

#include <cstdlib>
#include <deque>
#include <limits>

using platform::display::CurrentBackend;
using platform::display::RawInput;

namespace platform::events {

namespace {

constexpr UInt32 kAppleEventClass = 0x61657674; // 'aevt'
constexpr UInt32 kQuitEventID = 0x71756974;     // 'quit'

struct EventState {
    std::deque<EventRecord> queue;
    Point mouse{};
    bool button = false;
    UInt16 heldModifiers = 0;
    ClickRecord lastDown;
    int modalDepth = 0;
    WindowRef active = nullptr;
    std::function<bool(const EventRecord&)> keyFilter;
    std::function<bool(const EventRecord&)> sheetFilter;
};

EventState& State() {
    static EventState state;
    return state;
}

// High-level events have a mask bit of their own; every other kind is the bit of its number.
bool Wanted(EventMask mask, EventKind kind) {
    if (kind == kHighLevelEvent) return mask & highLevelEventMask;
    return kind < 16 && ((mask >> kind) & 1);
}

EventRecord Stamp(EventKind what, unsigned long message, UInt16 modifiers) {
    EventState& state = State();
    return EventRecord{what, message, CurrentBackend().Ticks(), state.mouse,
                       UInt16(modifiers | (state.button ? btnState : 0))};
}

WindowRef FrontVisibleWindow() {
    for (WindowRef window : windows::WindowList())
        if (window->visible) return window;
    return nullptr;
}

// Deactivation of the old front window comes first, then activation of the new one.
bool NextActivateEvent(EventMask mask, EventRecord* event) {
    EventState& state = State();
    WindowRef front = FrontVisibleWindow();
    if (front == state.active || !Wanted(mask, activateEvt)) return false;
    if (state.active) {
        *event = Stamp(activateEvt, reinterpret_cast<unsigned long>(state.active), 0);
        state.active = nullptr;
        return true;
    }
    state.active = front;
    *event = Stamp(activateEvt, reinterpret_cast<unsigned long>(front), activeFlag);
    return true;
}

bool NextUpdateEvent(EventMask mask, EventRecord* event, bool remove) {
    if (!Wanted(mask, updateEvt)) return false;
    for (WindowRef window : windows::WindowList())
        if (window->visible && window->needsUpdate) {
            if (remove) window->needsUpdate = false;
            *event = Stamp(updateEvt, reinterpret_cast<unsigned long>(window), 0);
            return true;
        }
    return false;
}

bool Deliverable(EventMask mask, const EventRecord& event) {
    return Wanted(mask, event.what) && !(event.what == kHighLevelEvent && InModalLoop());
}

void Enqueue(const RawInput& input) {
    EventState& state = State();
    state.mouse = input.where;
    state.heldModifiers = input.modifiers;
    switch (input.kind) {
    case RawInput::Kind::MouseDown:
        state.button = true;
        state.queue.push_back(Stamp(mouseDown, 0, input.modifiers));
        state.lastDown = ClickRecord{state.queue.back().when, input.where, input.single};
        break;
    case RawInput::Kind::MouseUp:
        state.button = false;
        state.queue.push_back(Stamp(mouseUp, 0, input.modifiers));
        break;
    case RawInput::Kind::Key:
        state.queue.push_back(Stamp(keyDown, input.charCode, input.modifiers));
        break;
    case RawInput::Kind::Suspend:
    case RawInput::Kind::Resume: {
        bool resume = input.kind == RawInput::Kind::Resume;
        state.queue.push_back(
            Stamp(osEvt, (suspendResumeMessage << 24) | (resume ? resumeFlag : 0), 0));
        break;
    }
    case RawInput::Kind::Quit:
        PostHighLevelEvent(kAppleEventClass, kQuitEventID);
        break;
    case RawInput::Kind::MouseMove:
        break;
    }
}

bool IsKeyEquivalent(const EventRecord& event) {
    EventState& state = State();
    return (event.what == keyDown || event.what == autoKey) && (event.modifiers & cmdKey) &&
           !InModalLoop() && state.keyFilter && state.keyFilter(event);
}

// The first deliverable queued event; key equivalents taken by the menus are swallowed.
bool TakeQueued(EventMask mask, EventRecord* event, bool remove) {
    auto& queue = State().queue;
    for (auto it = queue.begin(); it != queue.end(); ++it) {
        if (!Deliverable(mask, *it)) continue;
        EventRecord found = *it;
        if (remove) {
            queue.erase(it);
            if (IsKeyEquivalent(found)) return TakeQueued(mask, event, remove);
        }
        *event = found;
        return true;
    }
    return false;
}

bool NextEvent(EventMask mask, EventRecord* event, bool remove) {
    return NextActivateEvent(mask, event) || TakeQueued(mask, event, remove) ||
           NextUpdateEvent(mask, event, remove);
}

bool TakenBySheet(const EventRecord& event) {
    const auto& filter = State().sheetFilter;
    return !InModalLoop() && filter && filter(event);
}

} // namespace

Point MousePosition() {
    return State().mouse;
}
bool ButtonIsDown() {
    return State().button;
}
ClickRecord LastMouseDown() {
    return State().lastDown;
}

void Reset() {
    EventState& state = State();
    state.queue.clear();
    state.mouse = Point{};
    state.button = false;
    state.heldModifiers = 0;
    state.lastDown = ClickRecord{};
    state.active = nullptr;
}

bool NextTrackingPoint(Point* where) {
    EventState& state = State();
    if (state.button) {
        std::optional<RawInput> input = CurrentBackend().NextInput(1);
        if (input &&
            (input->kind == RawInput::Kind::MouseMove || input->kind == RawInput::Kind::MouseUp)) {
            state.mouse = input->where;
            state.button = input->kind == RawInput::Kind::MouseMove;
        } else if (input) {
            Enqueue(*input);
        }
    }
    *where = state.mouse;
    return state.button;
}

ModalScope::ModalScope() {
    ++State().modalDepth;
}
ModalScope::~ModalScope() {
    --State().modalDepth;
}
bool InModalLoop() {
    return State().modalDepth > 0;
}

void SetKeyEquivalentFilter(std::function<bool(const EventRecord&)> filter) {
    State().keyFilter = std::move(filter);
}

void SetSheetEventFilter(std::function<bool(const EventRecord&)> filter) {
    State().sheetFilter = std::move(filter);
}

void PostHighLevelEvent(UInt32 eventClass, UInt32 eventID) {
    EventRecord event = Stamp(kHighLevelEvent, eventClass, 0);
    event.where = Point{SInt16(eventID >> 16), SInt16(eventID & 0xFFFF)};
    State().queue.push_back(event);
}

void ForgetWindow(WindowRef window) {
    EventState& state = State();
    if (state.active == window) state.active = nullptr;
    auto& queue = state.queue;
    std::erase_if(queue, [&](const EventRecord& event) {
        return (event.what == updateEvt || event.what == activateEvt) &&
               event.message == reinterpret_cast<unsigned long>(window);
    });
}

} // namespace platform::events

using namespace platform::events;

Boolean WaitNextEvent(EventMask eventMask, EventRecord* theEvent, UInt32 sleep, RgnHandle) {
    auto& backend = CurrentBackend();
    UInt32 start = backend.Ticks();
    UInt32 deadline = sleep > std::numeric_limits<UInt32>::max() - start
                          ? std::numeric_limits<UInt32>::max()
                          : start + sleep;
    for (;;) {
        if (NextEvent(eventMask, theEvent, true)) {
            if (!TakenBySheet(*theEvent)) return true;
            continue;
        }
        UInt32 now = backend.Ticks();
        if (now >= deadline) break;
        if (std::optional<RawInput> input = backend.NextInput(deadline - now)) Enqueue(*input);
    }
    *theEvent = Stamp(nullEvent, 0, State().heldModifiers);
    return false;
}

Boolean EventAvail(EventMask eventMask, EventRecord* theEvent) {
    if (std::optional<RawInput> input = CurrentBackend().NextInput(0)) Enqueue(*input);
    if (NextEvent(eventMask, theEvent, false)) return true;
    *theEvent = Stamp(nullEvent, 0, State().heldModifiers);
    return false;
}

void FlushEvents(EventMask whichMask, EventMask) {
    std::erase_if(State().queue, [&](const EventRecord& e) { return Wanted(whichMask, e.what); });
}

UInt32 TickCount() {
    return CurrentBackend().Ticks();
}

void Delay(UInt32 numTicks, UInt32* finalTicks) {
    CurrentBackend().Sleep(numTicks);
    if (finalTicks) *finalTicks = TickCount();
}

UInt32 GetDblTime() {
    return 30;
}
UInt32 GetCaretTime() {
    return 30;
}

void SysBeep(SInt16) {
    CurrentBackend().Beep();
}
void InitCursor() {}
void ExitToShell() {
    std::exit(0);
}
