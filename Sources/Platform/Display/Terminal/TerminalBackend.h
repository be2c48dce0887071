// The terminal display: the model painted into the terminal whenever the program waits, and the
// terminal's keys and mouse turned into input. Ctrl-C, SIGTERM and SIGHUP end the program as a
// quit does, with open dialogs cancelled and nothing committed (Ctrl-\ too); a resize redraws;
// Ctrl-Z gives the terminal back while the program is stopped.
#pragma once

#include "Display/Backend.h"
#include "Display/RealClock.h"
#include "Display/Terminal/TerminalInput.h"
#include "Display/Terminal/TerminalOutput.h"
#include "Display/Terminal/TerminalSignals.h"

namespace platform::display::terminal {

class TerminalBackend : public Backend {
  public:
    std::optional<RawInput> NextInput(UInt32 ticks) override;
    UInt32 Ticks() const override { return clock_.Ticks(); }
    UInt64 Microseconds() const override { return clock_.Microseconds(); }
    void Sleep(UInt32 ticks) override; // draws first, so that a flashed button shows
    Rect ScreenBounds() const override;
    void Beep() override { output_.Beep(); }
    void SuspendScreen() override { output_.Suspend(); }
    void ResumeScreen() override;

  private:
    void Draw();
    // Waits at most timeoutMs for bytes or a signal and decodes what came.
    void Wait(int timeoutMs);
    void TakeSignals();
    std::optional<RawInput> AfterSignal();

    RealClock clock_;
    TerminalSignals signals_; // before the terminal is taken, after it is given back
    TerminalOutput output_;
    TerminalInput input_;
    UInt64 heldSince_ = 0;     // when the decoder began holding an unfinished sequence
    KeyboardFocus drawnFocus_; // a key that only moves the focus changes the picture too
    bool quitting_ = false;
    bool hungUp_ = false; // the terminal is gone: nothing is drawn any more
    int inputsAfterSignal_ = 0;
};

} // namespace platform::display::terminal
