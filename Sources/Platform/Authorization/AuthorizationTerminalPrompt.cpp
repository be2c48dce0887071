// The administrator prompt as a line on the controlling terminal, as the privilege tool's own:
// what is typed is not echoed, and an interrupt ends the asking rather than the program, so that
// the terminal is always left as it was found and the caller's refused path runs.
#include "Authorization/AuthorizationPrompt.h"

#include <array>
#include <cerrno>
#include <csignal>
#include <cstring>
#include <fcntl.h>
#include <poll.h>
#include <termios.h>
#include <unistd.h>

namespace platform {

namespace {

constexpr size_t kLongestPassword = 255;
constexpr std::array kInterrupts = {SIGINT, SIGQUIT, SIGTERM, SIGHUP};

// Written by the handler, whichever thread it runs on, and watched beside the terminal.
int gInterruptPipe[2] = {-1, -1};

void NoteInterrupt(int) {
    const int saved = errno;
    const char note = 1;
    if (write(gInterruptPipe[1], &note, 1) < 0) {
        // The pipe is full: an interrupt is waiting already.
    }
    errno = saved;
}

class ControllingTerminal {
  public:
    ControllingTerminal() : fd_(open("/dev/tty", O_RDWR | O_NOCTTY | O_CLOEXEC)) {}
    ~ControllingTerminal() {
        if (fd_ >= 0) close(fd_);
    }
    ControllingTerminal(const ControllingTerminal&) = delete;
    ControllingTerminal& operator=(const ControllingTerminal&) = delete;

    int fd() const { return fd_; }
    void Write(const std::string& text) const {
        size_t done = 0;
        while (done < text.size()) {
            const ssize_t sent = write(fd_, text.data() + done, text.size() - done);
            if (sent < 0 && errno == EINTR) continue;
            if (sent <= 0) return;
            done += size_t(sent);
        }
    }

  private:
    int fd_;
};

// Lines still edited by the terminal, but not echoed, for as long as the object lives.
class EchoOff {
  public:
    explicit EchoOff(int fd) : fd_(fd), saved_(), held_(tcgetattr(fd, &saved_) == 0) {
        termios quiet = saved_;
        quiet.c_lflag &= ~tcflag_t(ECHO | ECHOE | ECHOK | ECHONL);
        quiet.c_lflag |= ICANON;
        held_ = held_ && tcsetattr(fd_, TCSADRAIN, &quiet) == 0;
    }
    ~EchoOff() {
        if (held_) tcsetattr(fd_, TCSADRAIN, &saved_);
    }
    EchoOff(const EchoOff&) = delete;
    EchoOff& operator=(const EchoOff&) = delete;

  private:
    int fd_;
    termios saved_;
    bool held_;
};

// The interrupts noted in the pipe for as long as the object lives, their former actions back
// afterwards.
class InterruptsNoted {
  public:
    InterruptsNoted() {
        if (gInterruptPipe[0] < 0 && pipe2(gInterruptPipe, O_NONBLOCK | O_CLOEXEC) != 0) return;
        char stale[16];
        while (read(gInterruptPipe[0], stale, sizeof stale) > 0) {
        }
        struct sigaction noting {};
        noting.sa_handler = NoteInterrupt;
        sigemptyset(&noting.sa_mask);
        for (size_t i = 0; i < kInterrupts.size(); ++i)
            sigaction(kInterrupts[i], &noting, &saved_[i]);
        held_ = true;
    }
    ~InterruptsNoted() {
        if (!held_) return;
        for (size_t i = 0; i < kInterrupts.size(); ++i)
            sigaction(kInterrupts[i], &saved_[i], nullptr);
    }
    InterruptsNoted(const InterruptsNoted&) = delete;
    InterruptsNoted& operator=(const InterruptsNoted&) = delete;

    bool Held() const { return held_; }

  private:
    std::array<struct sigaction, kInterrupts.size()> saved_{};
    bool held_ = false;
};

// Waits for the terminal to hand over input; false when an interrupt came first.
bool AwaitInput(int fd) {
    pollfd watched[2] = {{fd, POLLIN, 0}, {gInterruptPipe[0], POLLIN, 0}};
    for (;;) {
        const int ready = poll(watched, 2, -1);
        if (ready < 0 && errno == EINTR) continue;
        return ready > 0 && !(watched[1].revents & POLLIN);
    }
}

// The line up to its end, at most kLongestPassword bytes of it kept, in a secret reserved
// beforehand so that it is never copied; nothing when interrupted, or at once ended (Ctrl-D).
std::optional<std::string> ReadSecretLine(int fd) {
    std::string secret;
    secret.reserve(kLongestPassword + 1);
    char piece[64];
    for (;;) {
        if (!AwaitInput(fd)) break;
        const ssize_t got = read(fd, piece, sizeof piece);
        if (got < 0 && errno == EINTR) continue;
        if (got <= 0) {
            if (secret.empty()) break;
            return secret;
        }
        const char* end = static_cast<const char*>(std::memchr(piece, '\n', size_t(got)));
        const size_t taken = end ? size_t(end - piece) : size_t(got);
        secret.append(piece, std::min(taken, kLongestPassword - secret.size()));
        explicit_bzero(piece, sizeof piece);
        if (end) return secret;
    }
    explicit_bzero(secret.data(), secret.size());
    return std::nullopt;
}

} // namespace

std::optional<AdministratorCredentials> AskOnTerminalLine(const std::string& program,
                                                          const AdministratorQuestion& question) {
    ControllingTerminal terminal;
    if (terminal.fd() < 0) return std::nullopt;
    InterruptsNoted interrupts;
    if (!interrupts.Held()) return std::nullopt;
    std::optional<std::string> password;
    {
        EchoOff echoOff(terminal.fd());
        if (question.again) terminal.Write("Sorry, try again.\n");
        const std::string label = program.empty() ? "" : "[" + program + "] ";
        terminal.Write(label + "password for " + question.account + ": ");
        password = ReadSecretLine(terminal.fd());
    }
    // What was typed was not echoed, the line's end neither.
    terminal.Write("\n");
    if (!password) return std::nullopt;
    return AdministratorCredentials{question.account, std::move(*password)};
}

} // namespace platform
