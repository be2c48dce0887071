#include "Platform/HostLock.h"

#include "Host/Descriptor.h"
#include "Platform/MacErrors.h"

#include <cerrno>
#include <fcntl.h>
#include <new>
#include <string>
#include <sys/file.h>
#include <sys/stat.h>

struct OpaquePlatformFileLock {
    platform::host::Descriptor fd;
    std::string path;
};

namespace {

// The file still names the locked one: a holder that ended meanwhile may have removed it, and a
// lock on a removed file keeps nobody out.
bool StillNamed(int fd, const std::string& path) {
    struct stat opened, named;
    return fstat(fd, &opened) == 0 && stat(path.c_str(), &named) == 0 &&
           opened.st_dev == named.st_dev && opened.st_ino == named.st_ino;
}

} // namespace

OSErr PlatformLockFile(const char* path, PlatformFileLockRef* lock) {
    *lock = nullptr;
    for (;;) {
        platform::host::Descriptor fd(open(path, O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0600));
        if (!fd) return errno == EACCES ? permErr : ioErr;
        if (flock(fd.Get(), LOCK_EX | LOCK_NB) != 0) return opWrErr;
        if (StillNamed(fd.Get(), path)) {
            *lock = new (std::nothrow) OpaquePlatformFileLock{std::move(fd), path};
            return *lock ? noErr : memFullErr;
        }
    }
}

void PlatformUnlockFile(PlatformFileLockRef lock) {
    if (!lock) return;
    unlink(lock->path.c_str()); // before letting go, so that nobody locks a removed file
    delete lock;
}
