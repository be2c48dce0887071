#include "FileIdentity/OpenFileIdentity.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace platform::identity {

namespace {

constexpr UInt64 kSeed = 14695981039346656037ull;

UInt64 Continue(UInt64 hash, const void* bytes, size_t count) {
    const auto* at = static_cast<const unsigned char*>(bytes);
    for (size_t i = 0; i < count; ++i)
        hash = (hash ^ at[i]) * 1099511628211ull;
    return hash;
}

} // namespace

UInt64 HashBytes(const void* bytes, size_t count) {
    return Continue(kSeed, bytes, count);
}

PlatformFileIdentity IdentityOfOpenFile(int fd) {
    PlatformFileIdentity identity{};
    identity.exists = true;
    identity.size = -1;
    struct stat info;
    if (fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) return identity;
    UInt64 hash = kSeed;
    unsigned char piece[65536];
    ssize_t got;
    while ((got = read(fd, piece, sizeof piece)) > 0)
        hash = Continue(hash, piece, size_t(got));
    if (got < 0) return identity;
    identity.device = info.st_dev;
    identity.inode = info.st_ino;
    identity.size = info.st_size;
    identity.modSeconds = info.st_mtim.tv_sec;
    identity.modNanoseconds = info.st_mtim.tv_nsec;
    identity.contentHash = hash;
    return identity;
}

PlatformFileIdentity IdentityAt(int folder, const char* name) {
    const int fd = openat(folder, name, O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0 && (errno == ENOENT || errno == ENOTDIR)) return PlatformFileIdentity{};
    PlatformFileIdentity identity{};
    identity.exists = true;
    identity.size = -1;
    if (fd >= 0) {
        identity = IdentityOfOpenFile(fd);
        close(fd);
    }
    return identity;
}

} // namespace platform::identity
