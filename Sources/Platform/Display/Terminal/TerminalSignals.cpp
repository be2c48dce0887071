#include "Display/Terminal/TerminalSignals.h"

#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <unistd.h>

namespace platform::display::terminal {

namespace {

int gSignalPipe[2] = {-1, -1};
constexpr int kCaught[] = {SIGINT, SIGQUIT, SIGTERM, SIGHUP, SIGWINCH, SIGTSTP};

void NoteSignal(int signal) {
    const int saved = errno;
    const char which = char(signal);
    if (::write(gSignalPipe[1], &which, 1) < 0) {
        // The pipe is full: enough signals are waiting already.
    }
    errno = saved;
}

// Interrupted calls elsewhere in the program go on as if nothing happened.
void Catch(int signal) {
    struct sigaction action {};
    action.sa_handler = NoteSignal;
    action.sa_flags = SA_RESTART;
    sigemptyset(&action.sa_mask);
    sigaction(signal, &action, nullptr);
}

} // namespace

TerminalSignals::TerminalSignals() {
    if (gSignalPipe[0] < 0 && ::pipe2(gSignalPipe, O_NONBLOCK | O_CLOEXEC) != 0) return;
    for (int signal : kCaught)
        Catch(signal);
}

TerminalSignals::~TerminalSignals() {
    for (int signal : kCaught)
        std::signal(signal, SIG_DFL);
}

int TerminalSignals::ReadEnd() const {
    return gSignalPipe[0];
}

int TerminalSignals::Next() {
    char which = 0;
    return gSignalPipe[0] >= 0 && ::read(gSignalPipe[0], &which, 1) == 1 ? which : 0;
}

void TerminalSignals::StopNow() {
    std::signal(SIGTSTP, SIG_DFL);
    raise(SIGTSTP);
    Catch(SIGTSTP);
}

} // namespace platform::display::terminal
