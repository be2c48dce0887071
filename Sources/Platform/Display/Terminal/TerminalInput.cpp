#include "Display/Terminal/TerminalInput.h"

#include "Display/Terminal/CellGeometry.h"

namespace platform::display::terminal {

namespace {

// A mouse report names the cell; the click lands in its middle.
UserEvent UserEventOf(const TerminalEvent& event) {
    return UserEvent{event.kind, event.charCode, event.modifiers,
                     PixelOfCell(event.column, event.row), event.wheel};
}

} // namespace

bool TerminalInput::Ready() {
    while (pending_.empty())
        if (std::optional<TerminalEvent> event = decoder_.Next()) {
            if (!closed_) translator_.Translate(UserEventOf(*event), pending_);
        } else {
            return false;
        }
    return true;
}

std::optional<RawInput> TerminalInput::Take() {
    if (!Ready()) return std::nullopt;
    RawInput input = pending_.front();
    pending_.pop_front();
    return input;
}

void TerminalInput::ReleaseAll() {
    if (!closed_) translator_.ReleaseAll(pending_);
    closed_ = true;
}

} // namespace platform::display::terminal
