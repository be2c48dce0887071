#include "Platform/HostFiles.h"

#include "Host/Descriptor.h"
#include "Platform/MacErrors.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>

namespace {

OSStatus SystemStatus() {
    return kPOSIXErrorBase + errno;
}

// Reads fd to its end, but no more than maxLength bytes.
OSStatus ReadToEnd(int fd, SInt32 maxLength, std::string* text) {
    char piece[65536];
    ssize_t got = 0;
    while ((got = read(fd, piece, sizeof piece)) > 0 &&
           text->size() + size_t(got) <= size_t(maxLength))
        text->append(piece, size_t(got));
    if (got < 0) return SystemStatus();
    return got > 0 ? fsDataTooBigErr : noErr;
}

} // namespace

OSStatus PlatformReadFileWhole(const char* path, SInt32 maxLength, std::string* text) {
    if (!path) return ReadToEnd(STDIN_FILENO, maxLength, text);
    // Opened without waiting, so that a FIFO cannot hang the caller; only a plain file is read.
    platform::host::Descriptor fd(open(path, O_RDONLY | O_NONBLOCK | O_CLOEXEC));
    if (!fd) return SystemStatus();
    struct stat status;
    if (fstat(fd.Get(), &status) != 0) return SystemStatus();
    if (!S_ISREG(status.st_mode)) return notAFileErr;
    if (status.st_size > maxLength) return fsDataTooBigErr;
    text->reserve(size_t(status.st_size));       // one buffer, not a copy per doubling
    return ReadToEnd(fd.Get(), maxLength, text); // too big here: it grew meanwhile
}

OSErr PlatformCheckPlainFile(const char* path) {
    struct stat info;
    if (lstat(path, &info) != 0) return fnfErr;
    return S_ISREG(info.st_mode) ? noErr : permErr;
}
