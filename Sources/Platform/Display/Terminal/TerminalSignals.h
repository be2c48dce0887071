// The signals the terminal display answers, caught for as long as the object lives and passed
// on through a pipe that the input wait watches: interrupt, quit, terminate and hang-up end the
// program, a resize redraws, a stop (Ctrl-Z) hands the terminal back until the program goes on.
#pragma once

namespace platform::display::terminal {

class TerminalSignals {
  public:
    TerminalSignals();
    ~TerminalSignals(); // the signals go back to their default actions
    TerminalSignals(const TerminalSignals&) = delete;
    TerminalSignals& operator=(const TerminalSignals&) = delete;

    // What to poll; -1 when no pipe could be made.
    int ReadEnd() const;
    // The next signal caught, 0 when none is waiting.
    int Next();
    // Stops the process as the default action would (after the terminal was given back), and
    // catches the stop again once it goes on.
    static void StopNow();
};

} // namespace platform::display::terminal
