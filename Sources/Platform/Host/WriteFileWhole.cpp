#include "Platform/HostFiles.h"

#include "Host/Descriptor.h"
#include "Platform/MacErrors.h"

#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <random>
#include <sys/stat.h>

namespace {

// A file saved over keeps its mode; a new one is the user's alone.
mode_t ModeFor(const char* path) {
    struct stat target;
    return stat(path, &target) == 0 && S_ISREG(target.st_mode) ? (target.st_mode & 0666) : 0600;
}

// Made exclusively under a name of its own beside path, never through a link.
platform::host::Descriptor MakeFresh(const char* path, mode_t mode, std::string* fresh) {
    for (int attempt = 0; attempt < 100; ++attempt) {
        *fresh = std::string(path) + ".korvane-" + std::to_string(getpid()) + "-" +
                 std::to_string(std::random_device{}());
        platform::host::Descriptor fd(
            open(fresh->c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, mode));
        if (fd || errno != EEXIST) return fd;
    }
    return platform::host::Descriptor();
}

} // namespace

OSStatus PlatformWriteFileWhole(const char* path, const void* text, SInt32 length) {
    const mode_t mode = ModeFor(path);
    std::string fresh;
    platform::host::Descriptor fd = MakeFresh(path, mode, &fresh);
    if (!fd) return kPOSIXErrorBase + errno;
    bool written = length == 0 || write(fd.Get(), text, size_t(length)) == ssize_t(length);
    written = fchmod(fd.Get(), mode) == 0 && fd.Close() == 0 && written;
    if (written && std::rename(fresh.c_str(), path) == 0) return noErr;
    const int error = errno;
    unlink(fresh.c_str());
    return kPOSIXErrorBase + error;
}
