#include "FormerPlace.h"

#include "Replacement.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace commit {

namespace {

bool ReadAll(int fd, std::string* bytes) {
    char piece[65536];
    for (;;) {
        const ssize_t n = read(fd, piece, sizeof piece);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) return false;
        if (n == 0) return true;
        bytes->append(piece, size_t(n));
    }
}

// Across file systems: the same bytes, group and mode at the new place, then the former gone.
bool CopyAcross(int former, int folder, const std::string& name, std::string* why) {
    const int fd = openat(former, name.c_str(), O_RDONLY | O_NOFOLLOW | O_CLOEXEC);
    struct stat info;
    std::string bytes;
    const bool read =
        fd >= 0 && fstat(fd, &info) == 0 && S_ISREG(info.st_mode) && ReadAll(fd, &bytes);
    if (!read) *why = std::string("cannot read it to move it: ") + std::strerror(errno);
    if (fd >= 0) close(fd);
    if (!read) return false;
    gid_t group;
    mode_t mode;
    InheritedMode(&info, &group, &mode);
    if (!PlaceNew(folder, name, bytes, group, mode, why) || fsync(folder) != 0) return false;
    unlinkat(former, name.c_str(), 0);
    return true;
}

bool Exists(int folder, const std::string& name) {
    struct stat info;
    return fstatat(folder, name.c_str(), &info, AT_SYMLINK_NOFOLLOW) == 0;
}

} // namespace

bool MoveFromFormer(int former, int folder, const std::string& name, std::string* why) {
    if (!Exists(former, name) || Exists(folder, name)) return true;
    // The new folder is flushed with the replacement that follows.
    if (renameat(former, name.c_str(), folder, name.c_str()) == 0) return true;
    if (errno == EXDEV) return CopyAcross(former, folder, name, why);
    *why = std::string("cannot move it: ") + std::strerror(errno);
    return false;
}

void ClearFormer(int former, const std::string& name, const std::string& sidecarName) {
    unlinkat(former, (name + "-").c_str(), 0);
    unlinkat(former, sidecarName.c_str(), 0);
    fsync(former);
}

} // namespace commit
