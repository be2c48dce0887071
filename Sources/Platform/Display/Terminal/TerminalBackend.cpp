#include "Display/Terminal/TerminalBackend.h"

#include "Display/Terminal/CellGeometry.h"
#include "Display/Terminal/TerminalScreenPainter.h"

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <poll.h>
#include <unistd.h>

namespace platform::display::terminal {

namespace {

constexpr UInt64 kEscapeWaitUs = 30000; // the rest of a key's sequence comes at once

} // namespace

Rect TerminalBackend::ScreenBounds() const {
    return Rect{0, 0, SInt16((output_.Rows() - kKeyHintRows) * kFontLineHeight),
                SInt16(output_.Columns() * kFontCharWidth)};
}

void TerminalBackend::Draw() {
    if (hungUp_) return;
    CellBuffer picture(output_.Columns(), output_.Rows());
    drawnFocus_ = input_.Focus();
    const PaintResult painted = PaintScreen(picture, drawnFocus_);
    output_.Show(std::move(picture), painted.cursorShown, painted.cursorColumn, painted.cursorRow);
}

void TerminalBackend::ResumeScreen() {
    output_.Resume();
    Draw();
}

void TerminalBackend::Sleep(UInt32 ticks) {
    Draw();
    RealClock::Sleep(ticks);
}

// The model is drawn only when the program is ready to wait: a quick look at the queue takes
// no time.
std::optional<RawInput> TerminalBackend::NextInput(UInt32 ticks) {
    if (!input_.Ready() && !quitting_) {
        if (ticks > 0) Draw();
        const UInt64 deadline = clock_.Microseconds() + UInt64(ticks) * 1000000 / 60;
        for (;;) {
            const UInt64 now = clock_.Microseconds();
            UInt64 wait = now >= deadline ? 0 : std::min<UInt64>(deadline - now, 1000000);
            if (input_.WaitingForMore())
                wait = std::min(
                    wait, heldSince_ + kEscapeWaitUs > now ? heldSince_ + kEscapeWaitUs - now : 0);
            Wait(int((wait + 999) / 1000));
            if (input_.Ready() || quitting_ || clock_.Microseconds() >= deadline) break;
            if (input_.Focus() != drawnFocus_) Draw();
        }
    }
    if (std::optional<RawInput> input = input_.Take()) return input;
    return quitting_ ? AfterSignal() : std::nullopt;
}

// A sequence cut short counts as typed only once its rest had time to come.
void TerminalBackend::Wait(int timeoutMs) {
    pollfd watched[2] = {{STDIN_FILENO, POLLIN, 0}, {signals_.ReadEnd(), POLLIN, 0}};
    const int ready = ::poll(watched, 2, timeoutMs);
    if (ready > 0 && (watched[1].revents & POLLIN)) TakeSignals();
    if (ready > 0 && (watched[0].revents & (POLLIN | POLLHUP | POLLERR))) {
        char bytes[256];
        const ssize_t count = ::read(STDIN_FILENO, bytes, sizeof bytes);
        if (count > 0) {
            if (!input_.WaitingForMore()) heldSince_ = clock_.Microseconds();
            input_.Feed(std::string_view(bytes, size_t(count)));
        } else if (count == 0 || (errno != EINTR && errno != EAGAIN)) { // the terminal went away
            hungUp_ = quitting_ = true;
        }
    } else if (input_.WaitingForMore() && clock_.Microseconds() >= heldSince_ + kEscapeWaitUs) {
        input_.Timeout();
    }
}

void TerminalBackend::TakeSignals() {
    for (int signal; (signal = signals_.Next()) != 0;) {
        if (signal == SIGWINCH) {
            output_.Resized();
            Draw();
        } else if (signal == SIGTSTP) {
            output_.Suspend();
            TerminalSignals::StopNow();
            output_.Resume();
            Draw();
        } else {
            hungUp_ = hungUp_ || signal == SIGHUP;
            input_.ReleaseAll();
            quitting_ = true;
        }
    }
}

// After Ctrl-C or a termination signal every modal dialog is cancelled and the program is asked
// to quit, again and again, as when a script runs out. One that will not end (Escape at the
// question about unsaved changes keeps it running) is stopped without its clean-up, so that its
// working copy stays to be offered at the next start.
std::optional<RawInput> TerminalBackend::AfterSignal() {
    // Fewer turns than a script's end gets: a person is waiting for the prompt.
    constexpr int kSignalWindDownTurns = 20;
    if (++inputsAfterSignal_ > kSignalWindDownTurns) {
        output_.Suspend();
        static const char kStopped[] =
            "korvane: interrupted with changes not saved; they are kept and offered again at the "
            "next start\n";
        [[maybe_unused]] const ssize_t written =
            ::write(STDERR_FILENO, kStopped, sizeof kStopped - 1);
        std::_Exit(4);
    }
    return WindDownInput(inputsAfterSignal_, input_.Pointer(), false);
}

} // namespace platform::display::terminal
