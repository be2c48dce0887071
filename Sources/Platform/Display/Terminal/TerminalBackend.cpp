#include "Display/Terminal/TerminalBackend.h"

#include "Display/Terminal/CellGeometry.h"

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <fcntl.h>
#include <poll.h>
#include <unistd.h>

namespace platform::display::terminal {

namespace {

constexpr int kEscapeWaitMs = 30; // the rest of a key's sequence comes at once
constexpr UInt8 kEscape = 27;
int gSignalPipe[2] = {-1, -1};

void NoteSignal(int signal) {
    const int saved = errno;
    const char which = char(signal);
    if (::write(gSignalPipe[1], &which, 1) < 0) {
        // The pipe is full: enough signals are waiting already.
    }
    errno = saved;
}

void CatchSignals() {
    if (gSignalPipe[0] < 0 && ::pipe2(gSignalPipe, O_NONBLOCK | O_CLOEXEC) != 0) return;
    struct sigaction action {};
    action.sa_handler = NoteSignal;
    sigemptyset(&action.sa_mask);
    for (int signal : {SIGINT, SIGTERM, SIGHUP, SIGWINCH})
        sigaction(signal, &action, nullptr);
}

void ReleaseSignals() {
    for (int signal : {SIGINT, SIGTERM, SIGHUP, SIGWINCH})
        std::signal(signal, SIG_DFL);
}

} // namespace

TerminalBackend::TerminalBackend() {
    CatchSignals();
}

TerminalBackend::~TerminalBackend() {
    ReleaseSignals();
}

Rect TerminalBackend::ScreenBounds() const {
    return Rect{0, 0, SInt16(output_.Rows() * kFontLineHeight),
                SInt16(output_.Columns() * kFontCharWidth)};
}

void TerminalBackend::Draw() {
    if (hungUp_) return;
    CellBuffer picture(output_.Columns(), output_.Rows());
    const PaintResult painted = PaintScreen(picture, translator_.Focus());
    output_.Show(picture, painted.cursorShown, painted.cursorColumn, painted.cursorRow);
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
    if (pending_.empty() && !quitting_) {
        if (ticks > 0) Draw();
        const UInt64 deadline = clock_.Microseconds() + UInt64(ticks) * 1000000 / 60;
        for (;;) {
            const UInt64 now = clock_.Microseconds();
            const int left =
                now >= deadline ? 0 : int(std::min<UInt64>((deadline - now) / 1000 + 1, 1000));
            Wait(decoder_.WaitingForMore() ? std::min(left, kEscapeWaitMs) : left);
            if (!pending_.empty() || quitting_ || clock_.Microseconds() >= deadline) break;
        }
    }
    if (!pending_.empty()) {
        RawInput input = pending_.front();
        pending_.pop_front();
        return input;
    }
    return quitting_ ? AfterSignal() : std::nullopt;
}

void TerminalBackend::Wait(int timeoutMs) {
    pollfd watched[2] = {{STDIN_FILENO, POLLIN, 0}, {gSignalPipe[0], POLLIN, 0}};
    const int ready = ::poll(watched, 2, timeoutMs);
    if (ready > 0 && (watched[1].revents & POLLIN)) TakeSignals();
    if (ready > 0 && (watched[0].revents & (POLLIN | POLLHUP | POLLERR))) {
        char bytes[256];
        const ssize_t count = ::read(STDIN_FILENO, bytes, sizeof bytes);
        if (count > 0)
            decoder_.Feed(std::string_view(bytes, size_t(count)));
        else if (count == 0 || errno != EINTR) // the terminal went away
            hungUp_ = quitting_ = true;
    } else if (ready == 0 && decoder_.WaitingForMore()) {
        decoder_.Timeout();
    }
    while (std::optional<TerminalEvent> event = decoder_.Next())
        translator_.Translate(*event, pending_);
}

void TerminalBackend::TakeSignals() {
    char signals[16];
    for (ssize_t count; (count = ::read(gSignalPipe[0], signals, sizeof signals)) > 0;)
        for (ssize_t i = 0; i < count; ++i) {
            if (signals[i] == SIGWINCH) {
                output_.Resized();
                Draw();
                continue;
            }
            hungUp_ = hungUp_ || signals[i] == SIGHUP;
            if (!quitting_) translator_.ReleaseMenu(pending_);
            quitting_ = true;
        }
}

// After Ctrl-C or a termination signal every modal dialog is cancelled and the program is asked
// to quit, again and again, as when a script runs out; one that will not end is stopped.
std::optional<RawInput> TerminalBackend::AfterSignal() {
    if (++inputsAfterSignal_ > kInputsAfterSignal) {
        output_.Suspend();
        std::_Exit(4);
    }
    const Point pointer = translator_.Pointer();
    if (inputsAfterSignal_ % 2) return RawInput{RawInput::Kind::Quit, pointer, 0, 0};
    return RawInput{RawInput::Kind::Key, pointer, 0, kEscape};
}

} // namespace platform::display::terminal
