// Runs the real program on the terminal display inside a detached tmux session of its own,
// sends it keys and mouse reports, and reads what the screen shows.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <fcntl.h>
#include <string>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>
#include <vector>

namespace endtoend {

// argv run without a shell; what it prints on standard output. The tmux server that a first
// command starts would keep a pipe open for ever, so its output goes nowhere.
inline std::string Output(const std::vector<std::string>& argv, bool capture = true) {
    int out[2];
    if (pipe(out) != 0) return "";
    const pid_t pid = fork();
    if (pid == 0) {
        const int target = capture ? out[1] : open("/dev/null", O_WRONLY);
        dup2(target, STDOUT_FILENO);
        dup2(target, STDERR_FILENO);
        close(out[0]);
        close(out[1]);
        std::vector<char*> args;
        for (const std::string& arg : argv)
            args.push_back(const_cast<char*>(arg.c_str()));
        args.push_back(nullptr);
        execvp(args[0], args.data());
        _exit(127);
    }
    close(out[1]);
    std::string text;
    char buffer[4096];
    for (ssize_t n; (n = read(out[0], buffer, sizeof buffer)) > 0;)
        text.append(buffer, size_t(n));
    close(out[0]);
    waitpid(pid, nullptr, 0);
    return text;
}

class TmuxSession {
  public:
    // command runs in a 100 x 30 window, on a server listening at the socket path given; the
    // session ends when it does.
    TmuxSession(const std::string& socket, const std::string& command) : socket_(socket) {
        Output({"tmux", "-S", socket_, "new-session", "-d", "-s", "korvane", "-x", "100", "-y",
                "30", command},
               false);
    }
    ~TmuxSession() {
        Tmux({"kill-server"});
        unlink(socket_.c_str());
    }
    TmuxSession(const TmuxSession&) = delete;
    TmuxSession& operator=(const TmuxSession&) = delete;

    // The screen as text; with styles, with the terminal's attribute sequences left in.
    std::string Screen(bool styles = false) const {
        return Tmux(styles ? std::vector<std::string>{"capture-pane", "-p", "-e", "-t", "korvane"}
                           : std::vector<std::string>{"capture-pane", "-p", "-t", "korvane"});
    }
    // Waits up to ten seconds for the screen to show (or, with shown false, to lose) text.
    bool WaitFor(const std::string& text, bool shown = true) const {
        for (int i = 0; i < 200; ++i) {
            if ((Screen().find(text) != std::string::npos) == shown) return true;
            std::this_thread::sleep_for(std::chrono::milliseconds(50));
        }
        ADD_FAILURE() << "waited for " << (shown ? "" : "the end of ") << "\"" << text
                      << "\"; the screen shows:\n"
                      << Screen();
        return false;
    }
    void Keys(const std::vector<std::string>& names) const {
        std::vector<std::string> argv{"send-keys", "-t", "korvane"};
        argv.insert(argv.end(), names.begin(), names.end());
        Tmux(argv);
    }
    void Type(const std::string& text) const { Tmux({"send-keys", "-t", "korvane", "-l", text}); }
    // A click of the left button on the cell where text starts on the screen.
    void Click(const std::string& text) const {
        const std::string screen = Screen();
        const size_t at = screen.find(text);
        ASSERT_NE(at, std::string::npos) << text << " is not on the screen:\n" << screen;
        const size_t lineStart = screen.rfind('\n', at) + 1;
        const int row = int(std::count(screen.begin(), screen.begin() + long(at), '\n'));
        const int column = Characters(screen.substr(lineStart, at - lineStart));
        const std::string place = std::to_string(column + 1) + ";" + std::to_string(row + 1);
        Type("\x1b[<0;" + place + "M");
        Type("\x1b[<0;" + place + "m");
    }
    void Resize(int columns, int rows) const {
        Tmux({"resize-window", "-t", "korvane", "-x", std::to_string(columns), "-y",
              std::to_string(rows)});
    }

  private:
    static int Characters(const std::string& text) {
        return int(std::count_if(text.begin(), text.end(), [](char c) {
            return (static_cast<unsigned char>(c) & 0xC0) != 0x80;
        }));
    }
    std::string Tmux(std::vector<std::string> argv) const {
        argv.insert(argv.begin(), {"tmux", "-S", socket_});
        return Output(argv);
    }
    std::string socket_;
};

} // namespace endtoend
