#include "Host/ReplaceFileWhole.h"

#include "Host/Descriptor.h"

#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <random>
#include <sys/stat.h>

namespace platform::host {

namespace {

Descriptor MakeFresh(const std::string& path, mode_t mode, std::string* fresh) {
    for (int attempt = 0; attempt < 100; ++attempt) {
        *fresh = path + ".korvane-" + std::to_string(getpid()) + "-" +
                 std::to_string(std::random_device{}());
        Descriptor fd(
            open(fresh->c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, mode));
        if (fd || errno != EEXIST) return fd;
    }
    return Descriptor();
}

} // namespace

int ReplaceFileWhole(const std::string& path, const void* bytes, size_t length, mode_t mode) {
    std::string fresh;
    Descriptor fd = MakeFresh(path, mode, &fresh);
    if (!fd) return errno;
    bool written = length == 0 || write(fd.Get(), bytes, length) == ssize_t(length);
    written = fchmod(fd.Get(), mode) == 0 && fd.Close() == 0 && written;
    if (written && std::rename(fresh.c_str(), path.c_str()) == 0) return 0;
    const int error = errno;
    unlink(fresh.c_str());
    return error != 0 ? error : EIO; // a short write sets none
}

} // namespace platform::host
