// Turns the bytes a terminal sends (keys, escape sequences, mouse reports) into key and mouse
// events, without touching the terminal itself, so every sequence can be tested on its own.
#pragma once

#include "Display/KeyConveniences.h"
#include "Platform/MacTypes.h"

#include <deque>
#include <optional>
#include <string>
#include <string_view>

namespace platform::display::terminal {

struct TerminalEvent {
    using Kind = UserEvent::Kind;
    Kind kind = Kind::Key;
    UInt8 charCode = 0;      // Key: the character code the program sees
    UInt16 modifiers = 0;    // shiftKey, cmdKey (Alt/Meta), controlKey
    int column = 0, row = 0; // mouse: the cell, counted from 0
    int wheel = 0;           // Wheel: -1 up, +1 down
};

class TerminalInputDecoder {
  public:
    void Feed(std::string_view bytes);
    std::optional<TerminalEvent> Next();
    bool WaitingForMore() const { return !pending_.empty(); }
    // Nothing more came: what is held was typed, so a lone ESC is the Escape key.
    void Timeout();

  private:
    void Drain();

    std::string pending_; // the start of a sequence whose end has not arrived yet
    std::deque<TerminalEvent> events_;
};

} // namespace platform::display::terminal
