#include "Platform/SystemLog.h"

#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <pwd.h>
#include <string>
#include <sys/socket.h>
#include <sys/un.h>
#include <syslog.h>
#include <unistd.h>

namespace {

std::string NameOfUser(uid_t uid) {
    const passwd* user = getpwuid(uid);
    return user ? user->pw_name : "uid " + std::to_string(uid);
}

// An RFC 3164 line, as the system's syslog() writes to /dev/log.
std::string LogLine(const char* identity, const char* message) {
    char stamp[32];
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    std::strftime(stamp, sizeof stamp, "%b %e %H:%M:%S", &local);
    return "<" + std::to_string(LOG_AUTHPRIV | LOG_NOTICE) + ">" + stamp + " " + identity + "[" +
           std::to_string(getpid()) + "]: " + message;
}

} // namespace

void PlatformLogAuditEntry(const char* identity, const char* message) {
    const char* path = std::getenv("KORVANE_SYSLOG_SOCKET");
    if (!path || !*path) path = "/dev/log";
    const int fd = socket(AF_UNIX, SOCK_DGRAM | SOCK_CLOEXEC, 0);
    if (fd < 0) return;
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    std::snprintf(address.sun_path, sizeof address.sun_path, "%s", path);
    const std::string line = LogLine(identity, message);
    sendto(fd, line.data(), line.size(), MSG_NOSIGNAL, reinterpret_cast<sockaddr*>(&address),
           sizeof address);
    close(fd);
}

void PlatformRequestingPerson(char* name, size_t size) {
    std::string person = NameOfUser(getuid());
    if (getuid() == 0) {
        const char* sudoUser = std::getenv("SUDO_USER");
        const char* pkexecUid = std::getenv("PKEXEC_UID");
        if (sudoUser && *sudoUser)
            person = std::string(sudoUser) + " (via sudo)";
        else if (pkexecUid && *pkexecUid)
            person = NameOfUser(uid_t(std::strtoul(pkexecUid, nullptr, 10))) + " (via pkexec)";
    }
    std::snprintf(name, size, "%s", person.c_str());
}
