#include "Authorization/AuthorizationTools.h"

#include <cerrno>
#include <cstdint>
#include <fcntl.h>
#include <spawn.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace platform::authorization {

namespace {

// Root-owned system folders only: a tool must never come from a folder a user can write.
constexpr const char* kSystemToolFolders[] = {"/usr/sbin", "/usr/bin", "/sbin", "/bin"};

bool IsExecutableFile(const std::string& path) {
    struct stat info;
    return stat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode) &&
           access(path.c_str(), X_OK) == 0;
}

bool Exists(const std::string& path) {
    struct stat info;
    return stat(path.c_str(), &info) == 0;
}

class SpawnActions {
  public:
    SpawnActions() { posix_spawn_file_actions_init(&actions_); }
    ~SpawnActions() { posix_spawn_file_actions_destroy(&actions_); }
    SpawnActions(const SpawnActions&) = delete;
    SpawnActions& operator=(const SpawnActions&) = delete;

    void Join(int fd, int target) { posix_spawn_file_actions_adddup2(&actions_, fd, target); }
    void Discard(int target) {
        posix_spawn_file_actions_addopen(&actions_, target, "/dev/null", O_WRONLY, 0);
    }
    const posix_spawn_file_actions_t* get() const { return &actions_; }

  private:
    posix_spawn_file_actions_t actions_;
};

// A socket pair rather than a pipe: one stream serves both directions, and a tool that quits
// early gives the writer an error instead of a signal.
struct SocketPair {
    int ours = -1;
    int theirs = -1;
    SocketPair() {
        int fds[2];
        if (socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, fds) == 0) {
            ours = fds[0];
            theirs = fds[1];
        }
    }
    ~SocketPair() {
        if (ours >= 0) close(ours);
        if (theirs >= 0) close(theirs);
    }
    SocketPair(const SocketPair&) = delete;
    SocketPair& operator=(const SocketPair&) = delete;
    int ReleaseOurs() {
        int fd = ours;
        ours = -1;
        return fd;
    }
};

std::optional<pid_t> Spawn(const std::vector<std::string>& argv, const SpawnActions& actions) {
    std::vector<char*> vector;
    for (const std::string& argument : argv)
        vector.push_back(const_cast<char*>(argument.c_str()));
    vector.push_back(nullptr);
    pid_t pid;
    if (posix_spawn(&pid, vector[0], actions.get(), nullptr, vector.data(), environ) != 0)
        return std::nullopt;
    return pid;
}

int WaitFor(pid_t pid) {
    int status = 0;
    while (waitpid(pid, &status, 0) < 0)
        if (errno != EINTR) return -1;
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

// The stream's cookie is the socket itself.
int SocketOf(void* cookie) {
    return int(reinterpret_cast<intptr_t>(cookie));
}

ssize_t ReadStream(void* cookie, char* buffer, size_t size) {
    ssize_t got;
    do
        got = read(SocketOf(cookie), buffer, size);
    while (got < 0 && errno == EINTR);
    return got;
}

ssize_t WriteStream(void* cookie, const char* buffer, size_t size) {
    ssize_t sent;
    do
        sent = send(SocketOf(cookie), buffer, size, MSG_NOSIGNAL);
    while (sent < 0 && errno == EINTR);
    return sent;
}

int CloseStream(void* cookie) {
    return close(SocketOf(cookie));
}

std::string ReadToEnd(int fd) {
    std::string text;
    char piece[256];
    ssize_t got;
    while ((got = read(fd, piece, sizeof piece)) != 0) {
        if (got < 0 && errno == EINTR) continue;
        if (got < 0) break;
        text.append(piece, size_t(got));
    }
    return text;
}

} // namespace

std::optional<std::string> FindTool(const std::string& path) {
    if (path.empty() || path[0] != '/') return std::nullopt;
    if (Exists(path)) return IsExecutableFile(path) ? std::optional(path) : std::nullopt;
    std::string name = path.substr(path.rfind('/') + 1);
    if (name.empty()) return std::nullopt;
    for (const char* folder : kSystemToolFolders) {
        std::string candidate = std::string(folder) + "/" + name;
        if (IsExecutableFile(candidate)) return candidate;
    }
    return std::nullopt;
}

FILE* StartTool(const std::vector<std::string>& argv) {
    SocketPair sockets;
    if (sockets.ours < 0) return nullptr;
    SpawnActions actions;
    actions.Join(sockets.theirs, STDIN_FILENO);
    actions.Join(sockets.theirs, STDOUT_FILENO);
    std::optional<pid_t> pid = Spawn(argv, actions);
    if (!pid) return nullptr;
    void* cookie = reinterpret_cast<void*>(intptr_t(sockets.ours));
    FILE* file = fopencookie(cookie, "r+", {ReadStream, WriteStream, nullptr, CloseStream});
    if (!file) {
        // Nobody else could reap the tool: it reads an end at once and is waited for here.
        close(sockets.ReleaseOurs());
        WaitFor(*pid);
        return nullptr;
    }
    sockets.ReleaseOurs();
    return file;
}

std::optional<int> RunTool(const std::vector<std::string>& argv, const std::string& input,
                           std::string* errors) {
    SocketPair sockets, errorSockets;
    if (sockets.ours < 0 || (errors && errorSockets.ours < 0)) return std::nullopt;
    SpawnActions actions;
    actions.Join(sockets.theirs, STDIN_FILENO);
    actions.Discard(STDOUT_FILENO);
    if (errors)
        actions.Join(errorSockets.theirs, STDERR_FILENO);
    else
        actions.Discard(STDERR_FILENO);
    std::optional<pid_t> pid = Spawn(argv, actions);
    if (!pid) return std::nullopt;
    // Input is a line or two; a tool that does not read it is no error.
    send(sockets.ours, input.data(), input.size(), MSG_NOSIGNAL);
    shutdown(sockets.ours, SHUT_WR);
    if (errors) {
        // Only the tool may hold the other end, so that its end is the end of the stream.
        close(errorSockets.theirs);
        errorSockets.theirs = -1;
        *errors = ReadToEnd(errorSockets.ours);
    }
    return WaitFor(*pid);
}

} // namespace platform::authorization
