#include "ItemOperations.h"

#include "AppleDouble.h"
#include "FileErrors.h"
#include "ForkTable.h"
#include "NodeTable.h"
#include "Platform/MacErrors.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace platform::files {

namespace {

OSErr MissingParentOr(const std::string& path, OSErr otherwise) {
    struct stat info;
    std::string parent = ParentPath(path);
    if (stat(parent.c_str(), &info) != 0 || !S_ISDIR(info.st_mode)) return dirNFErr;
    return otherwise;
}

} // namespace

// A new file is the user's alone until someone gives it other permissions.
OSErr CreateEmptyFile(const std::string& path) {
    int fd = open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600);
    if (fd < 0) {
        int error = errno;
        return error == ENOENT ? MissingParentOr(path, fnfErr) : ErrnoToOSErr(error);
    }
    close(fd);
    // A sidecar left without its file belongs to no one; the new file starts clean.
    RemoveSidecar(path);
    return noErr;
}

OSErr DeleteItem(const std::string& path) {
    struct stat info;
    if (lstat(path.c_str(), &info) != 0) return ErrnoToOSErr(errno);
    if (S_ISDIR(info.st_mode)) {
        if (rmdir(path.c_str()) != 0) return ErrnoToOSErr(errno);
    } else {
        if (!(info.st_mode & S_IWUSR) && !S_ISLNK(info.st_mode)) return fLckdErr;
        if (Forks().IsOpen(path)) return fBsyErr;
        if (unlink(path.c_str()) != 0) return ErrnoToOSErr(errno);
    }
    RemoveSidecar(path);
    return noErr;
}

OSErr SetLocked(const std::string& path, bool locked) {
    struct stat info;
    if (stat(path.c_str(), &info) != 0) return ErrnoToOSErr(errno);
    if (S_ISDIR(info.st_mode)) return fnfErr;
    mode_t mode = locked ? (info.st_mode & ~S_IWUSR) : (info.st_mode | S_IWUSR);
    if (chmod(path.c_str(), mode & 07777) != 0) return ErrnoToOSErr(errno);
    return noErr;
}

} // namespace platform::files
