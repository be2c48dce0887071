#include "Display/Terminal/TerminalInput.h"

namespace platform::display::terminal {

bool TerminalInput::Ready() {
    while (pending_.empty())
        if (std::optional<TerminalEvent> event = decoder_.Next()) {
            if (!ignoring_ && !closed_) translator_.Translate(*event, pending_);
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
