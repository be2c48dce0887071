// A private log socket for a test: the program's audit entries arrive here instead of the
// system's log, through KORVANE_SYSLOG_SOCKET.
#pragma once

#include "TestSupport/TempFolder.h"

#include <string>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>
#include <vector>

namespace endtoend {

class AuditLog {
  public:
    AuditLog()
        : path_(folder_ / "log.sock"), fd_(socket(AF_UNIX, SOCK_DGRAM | SOCK_CLOEXEC, 0)),
          env_("KORVANE_SYSLOG_SOCKET", path_) {
        sockaddr_un address{};
        address.sun_family = AF_UNIX;
        path_.copy(address.sun_path, sizeof address.sun_path - 1);
        bind(fd_, reinterpret_cast<sockaddr*>(&address), sizeof address);
    }
    ~AuditLog() { close(fd_); }
    AuditLog(const AuditLog&) = delete;
    AuditLog& operator=(const AuditLog&) = delete;

    // The entries that have arrived, each without its "<PRI>date korvane[pid]: " head.
    std::vector<std::string> Entries() {
        std::vector<std::string> entries;
        char buffer[8192];
        ssize_t got;
        while ((got = recv(fd_, buffer, sizeof buffer, MSG_DONTWAIT)) > 0) {
            const std::string line(buffer, size_t(got));
            const size_t body = line.find("]: ");
            entries.push_back(body == std::string::npos ? line : line.substr(body + 3));
            if (!line.starts_with("<85>")) entries.back() = "not authpriv.notice: " + line;
        }
        return entries;
    }

  private:
    testsupport::TempFolder folder_;
    std::string path_;
    int fd_;
    testsupport::ScopedEnv env_;
};

} // namespace endtoend
