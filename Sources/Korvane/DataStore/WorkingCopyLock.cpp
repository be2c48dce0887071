#include "Korvane/DataStore/WorkingCopyLock.h"

#include "Korvane/DataStore/JALocations.h"
#include "Platform/MacErrors.h"

#include <cerrno>
#include <fcntl.h>
#include <string>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr const char* kLockFileName = "QZJA.lock";

struct HeldLock {
    int fd = -1;
    std::string path;
};

HeldLock& Held() {
    static HeldLock held;
    return held;
}

// The file still names the locked one: a run that ended meanwhile may have removed it, and a
// lock on a removed file keeps nobody out.
bool StillNamed(int fd, const std::string& path) {
    struct stat opened, named;
    return fstat(fd, &opened) == 0 && stat(path.c_str(), &named) == 0 &&
           opened.st_dev == named.st_dev && opened.st_ino == named.st_ino;
}

} // namespace

OSErr LockWorkingCopy(const GlueRec* context) {
    char folder[1024];
    OSErr err = FolderPath(context->prefsFileSpec.vRefNum, context->prefsFileSpec.parID, folder,
                           sizeof folder);
    if (err != noErr) return err;
    std::string path = std::string(folder) + "/" + kLockFileName;
    for (;;) {
        int fd = open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0600);
        if (fd < 0) return errno == EACCES ? permErr : ioErr;
        if (flock(fd, LOCK_EX | LOCK_NB) != 0) {
            close(fd);
            return opWrErr;
        }
        if (StillNamed(fd, path)) {
            Held() = HeldLock{fd, path};
            return noErr;
        }
        close(fd);
    }
}

Boolean WorkingCopyLocked() {
    return Held().fd >= 0;
}

void UnlockWorkingCopy() {
    HeldLock& held = Held();
    if (held.fd < 0) return;
    unlink(held.path.c_str()); // before letting go, so that nobody locks a removed file
    close(held.fd);
    held = HeldLock{};
}
