// The terminal's input on its way to the program. Bytes are decoded as they come, but each
// decoded event becomes raw input only once the program has taken all that the one before gave,
// so that keys arriving together (pasted, or batched over a slow line) each act on the model as
// the key before left it, as they would have one at a time.
#pragma once

#include "Display/Backend.h"
#include "Display/KeyConveniences.h"
#include "Display/Terminal/TerminalInputDecoder.h"

#include <deque>
#include <optional>
#include <string_view>

namespace platform::display::terminal {

class TerminalInput {
  public:
    void Feed(std::string_view bytes) { decoder_.Feed(bytes); }
    bool WaitingForMore() const { return decoder_.WaitingForMore(); }
    void Timeout() { decoder_.Timeout(); }
    // Whether raw input is ready, translating the next decoded event when none is.
    bool Ready();
    std::optional<RawInput> Take();
    // For quitting: lets go of what is held, and nothing that comes later is taken.
    void ReleaseAll();
    KeyboardFocus Focus() const { return translator_.Focus(); }
    Point Pointer() const { return translator_.Pointer(); }

  private:
    TerminalInputDecoder decoder_;
    KeyConveniences translator_;
    std::deque<RawInput> pending_;
    bool closed_ = false;
};

} // namespace platform::display::terminal
