#include "Host/ReplaceFileWhole.h"
#include "Platform/HostFiles.h"
#include "Platform/MacErrors.h"

#include <sys/stat.h>

namespace {

// A file saved over keeps its mode; a new one is the user's alone.
mode_t ModeFor(const char* path) {
    struct stat target;
    return stat(path, &target) == 0 && S_ISREG(target.st_mode) ? (target.st_mode & 0666) : 0600;
}

} // namespace

OSStatus PlatformWriteFileWhole(const char* path, const void* text, SInt32 length) {
    const int error = platform::host::ReplaceFileWhole(path, text, size_t(length), ModeFor(path));
    return error == 0 ? noErr : kPOSIXErrorBase + error;
}
