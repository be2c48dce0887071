#include "Korvane/DataStore/JAFileIdentity.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// FNV-1a: a change check, not a defence: whoever can write the file is root already.
UInt64 HashBytes(const UInt8* bytes, size_t count, UInt64 hash = 14695981039346656037ull) {
    for (size_t i = 0; i < count; ++i)
        hash = (hash ^ bytes[i]) * 1099511628211ull;
    return hash;
}

void NoteStat(const struct stat& info, JAFileIdentityRec* identity) {
    identity->exists = true;
    identity->device = info.st_dev;
    identity->inode = info.st_ino;
    identity->size = info.st_size;
    identity->modSeconds = info.st_mtim.tv_sec;
    identity->modNanoseconds = info.st_mtim.tv_nsec;
}

UInt64 HashFile(int fd) {
    UInt64 hash = HashBytes(nullptr, 0);
    UInt8 piece[65536];
    ssize_t got;
    while ((got = read(fd, piece, sizeof piece)) > 0)
        hash = HashBytes(piece, size_t(got), hash);
    return hash;
}

// The identity of the file as it is now, its content read afresh. A file that is there but
// cannot be read counts as changed: its content cannot be vouched for.
JAFileIdentityRec CurrentIdentity(const char* path) {
    JAFileIdentityRec identity{};
    if (!path[0]) return identity;
    int fd = open(path, O_RDONLY | O_CLOEXEC);
    if (fd < 0 && (errno == ENOENT || errno == ENOTDIR)) return identity;
    identity.exists = true;
    identity.size = -1;
    struct stat info;
    if (fd >= 0 && fstat(fd, &info) == 0) {
        NoteStat(info, &identity);
        identity.contentHash = HashFile(fd);
    }
    if (fd >= 0) close(fd);
    return identity;
}

bool SameIdentity(const JAFileIdentityRec& a, const JAFileIdentityRec& b) {
    if (a.exists != b.exists) return false;
    return !a.exists || (a.device == b.device && a.inode == b.inode && a.size == b.size &&
                         a.modSeconds == b.modSeconds && a.modNanoseconds == b.modNanoseconds &&
                         a.contentHash == b.contentHash);
}

} // namespace

void NoteJAFileIdentity(const char* path, const void* text, SInt32 length,
                        JAFileIdentityRec* identity) {
    *identity = JAFileIdentityRec{};
    struct stat info;
    if (!path[0] || stat(path, &info) != 0) return;
    NoteStat(info, identity);
    identity->contentHash =
        HashBytes(static_cast<const UInt8*>(text), length > 0 ? size_t(length) : 0);
}

void NoteCommittedJAFileIdentity(const PlatformFileIdentity& written, const void* text,
                                 SInt32 length, JAFileIdentityRec* identity) {
    *identity = written;
    identity->contentHash =
        HashBytes(static_cast<const UInt8*>(text), length > 0 ? size_t(length) : 0);
}

Boolean JAFileChangedSince(const char* path, const JAFileIdentityRec* identity) {
    return !SameIdentity(CurrentIdentity(path), *identity);
}
