// FSpExchangeFiles: the safe way to replace a file's content. The new content is written to a
// file beside it and the two are exchanged, so a failed write never touches the old content.
#include "AppleDouble.h"
#include "FileErrors.h"
#include "ForkTable.h"
#include "Location.h"
#include "NodeTable.h"
#include "Platform/Files.h"
#include "Platform/MacErrors.h"

#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace platform::files;

namespace {

OSErr CheckExchangeable(const std::string& path) {
    struct stat info;
    if (lstat(path.c_str(), &info) != 0) return ErrnoToOSErr(errno);
    if (S_ISDIR(info.st_mode)) return notAFileErr;
    return Forks().IsOpen(path) ? fBsyErr : noErr;
}

// The new data must be on disk before the destination's name points at it, or a crash could
// leave the name holding an empty file. The destination's own data is the old version, which
// is on disk already or, if not, is what a crash would have lost anyway; flushing it again
// would double the cost of every replacement.
OSErr FlushData(const std::string& path) {
    int fd = open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) return ErrnoToOSErr(errno);
    int result = fdatasync(fd);
    int error = errno;
    close(fd);
    return result == 0 ? noErr : ErrnoToOSErr(error);
}

// Where the file system cannot exchange in one step: extra links keep both versions reachable,
// and each name is replaced by one atomic rename.
OSErr ExchangeByLinks(const std::string& a, const std::string& b) {
    std::string keepA = a + ".exchange-a." + std::to_string(getpid());
    std::string keepB = b + ".exchange-b." + std::to_string(getpid());
    if (link(a.c_str(), keepA.c_str()) != 0) return ErrnoToOSErr(errno);
    if (link(b.c_str(), keepB.c_str()) != 0 || rename(keepB.c_str(), a.c_str()) != 0) {
        int error = errno;
        unlink(keepA.c_str());
        unlink(keepB.c_str());
        return ErrnoToOSErr(error);
    }
    if (rename(keepA.c_str(), b.c_str()) != 0) {
        int error = errno;
        rename(keepA.c_str(), a.c_str()); // a takes back its own version
        return ErrnoToOSErr(error);
    }
    return noErr;
}

OSErr ExchangePaths(const std::string& a, const std::string& b) {
    if (renameat2(AT_FDCWD, a.c_str(), AT_FDCWD, b.c_str(), RENAME_EXCHANGE) == 0) return noErr;
    if (errno == EINVAL || errno == ENOSYS || errno == EOPNOTSUPP) return ExchangeByLinks(a, b);
    return ErrnoToOSErr(errno);
}

bool Exists(const std::string& path) {
    struct stat info;
    return lstat(path.c_str(), &info) == 0;
}

// Sidecars go with their files; a file without one leaves the other name without one.
OSErr ExchangeSidecars(const std::string& a, const std::string& b) {
    std::string sidecarA = SidecarPath(a), sidecarB = SidecarPath(b);
    bool hasA = Exists(sidecarA), hasB = Exists(sidecarB);
    if (hasA && hasB) return ExchangePaths(sidecarA, sidecarB);
    if (hasA != hasB &&
        rename((hasA ? sidecarA : sidecarB).c_str(), (hasA ? sidecarB : sidecarA).c_str()) != 0)
        return ErrnoToOSErr(errno);
    return noErr;
}

// Both items are located already.
OSErr ExchangeLocated(const Located& a, const Located& b) {
    if (a.err || b.err) return a.err ? a.err : b.err;
    if (OSErr err = CheckExchangeable(a.path)) return err;
    if (OSErr err = CheckExchangeable(b.path)) return err;
    if (Volumes().VolumeForPath(a.path) != Volumes().VolumeForPath(b.path)) return diffVolErr;
    if (a.path == b.path) return noErr;
    if (OSErr err = FlushData(a.path)) return err;
    if (OSErr err = ExchangePaths(a.path, b.path)) return err;
    if (OSErr err = ExchangeSidecars(a.path, b.path)) {
        ExchangePaths(a.path, b.path); // the data goes back to its own sidecar
        return err;
    }
    return noErr;
}

} // namespace

OSErr FSpExchangeFiles(const FSSpec* source, const FSSpec* dest) {
    if (!source || !dest) return paramErr;
    return ExchangeLocated(LocateSpec(source), LocateSpec(dest));
}

OSErr FSExchangeObjects(const FSRef* ref, const FSRef* destRef) {
    if (!ref || !destRef) return paramErr;
    return ExchangeLocated(LocateRef(ref), LocateRef(destRef));
}
