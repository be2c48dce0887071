// korvane export [FILE]: the job-accounting file's bytes, unchanged, as the export writes them.
#include "Korvane/CommandLine/ListText.h"
#include "Korvane/CommandLine/Subcommands.h"

#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <random>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

namespace {

bool WriteAll(std::FILE* out, const UInt8* text, SInt32 length) {
    return (length == 0 || std::fwrite(text, 1, size_t(length), out) == size_t(length)) &&
           std::fflush(out) == 0;
}

// Written to a new file beside the target, made exclusively under a name of its own and never
// through a link, then renamed over it: a failed write leaves the target as it was, and a link
// planted in a shared folder is never followed. A file saved over keeps its mode; a new one is
// the user's alone.
bool WriteFileWhole(const char* path, const UInt8* text, SInt32 length) {
    struct stat target;
    const mode_t mode =
        stat(path, &target) == 0 && S_ISREG(target.st_mode) ? (target.st_mode & 0666) : 0600;
    std::string fresh;
    int fd = -1;
    for (int attempt = 0; fd < 0 && attempt < 100; ++attempt) {
        fresh = std::string(path) + ".korvane-" + std::to_string(getpid()) + "-" +
                std::to_string(std::random_device{}());
        fd = open(fresh.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, mode);
        if (fd < 0 && errno != EEXIST) return false;
    }
    if (fd < 0) return false;
    bool written = length == 0 || write(fd, text, size_t(length)) == ssize_t(length);
    written = fchmod(fd, mode) == 0 && close(fd) == 0 && written;
    if (written && std::rename(fresh.c_str(), path) == 0) return true;
    const int error = errno;
    unlink(fresh.c_str());
    errno = error;
    return false;
}

} // namespace

int ExportCommand(int argc, char** argv) {
    if (argc > 2) return UsageError("export");
    SystemListClass list;
    if (OSErr err = list.Read()) return ReportJAFileError(list.Context(), err);
    if (argc == 1)
        return WriteAll(stdout, list.Text(), list.Length()) ? kExitDone : kExitSystemError;
    if (WriteFileWhole(argv[1], list.Text(), list.Length())) return kExitDone;
    std::perror(argv[1]);
    return kExitSystemError;
}
