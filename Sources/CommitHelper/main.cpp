// korvane-commit: the one step of a commit that runs as root. It reads the new content from the
// program on standard input and never reads a path the user controls.
//
//   korvane-commit FOLDER NAME EXPECTED LENGTH SIDECAR-NAME SIDECAR-LENGTH
//
// LENGTH bytes of the file's new content, then SIDECAR-LENGTH bytes of its sidecar, come on
// standard input. Under a lock on the folder that every commit takes, the file must still be
// what EXPECTED says (see ParseExpected); the sidecar is written only where it is missing or is
// not root's own plain file. On success the new file's identity is printed as
// "DEVICE INODE SIZE SECONDS NANOSECONDS".
#include "FileIdentity/OpenFileIdentity.h"
#include "Replacement.h"
#include "SafeFolder.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// Exit statuses the program tells apart.
constexpr int kDone = 0, kFailed = 1, kUsage = 64, kUnsafeFolder = 65, kChangedMeanwhile = 66,
              kNotFlushed = 67;

int Fail(int status, const std::string& why) {
    std::fprintf(stderr, "korvane-commit: %s\n", why.c_str());
    return status;
}

bool ReadExactly(size_t length, std::string* bytes) {
    bytes->resize(length);
    for (size_t done = 0; done < length;) {
        const ssize_t n = read(STDIN_FILENO, bytes->data() + done, length - done);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return false;
        done += size_t(n);
    }
    return true;
}

bool ParseLength(const char* text, size_t* length) {
    char* end = nullptr;
    errno = 0;
    const unsigned long long value = std::strtoull(text, &end, 10);
    if (errno || end == text || *end || value > (64u << 20)) return false;
    *length = size_t(value);
    return true;
}

// A plain name inside the folder: no way out of it.
bool PlainName(const std::string& name) {
    return !name.empty() && name != "." && name != ".." && name.find('/') == std::string::npos;
}

bool SidecarIsRootsOwn(int folder, const std::string& name) {
    struct stat info;
    return fstatat(folder, name.c_str(), &info, AT_SYMLINK_NOFOLLOW) == 0 &&
           S_ISREG(info.st_mode) && info.st_uid == 0;
}

} // namespace

int main(int argc, char** argv) {
    std::optional<PlatformFileIdentity> expected;
    size_t length = 0, sidecarLength = 0;
    if (argc != 7 || !PlainName(argv[2]) || !commit::ParseExpected(argv[3], &expected) ||
        !ParseLength(argv[4], &length) || !PlainName(argv[5]) ||
        !ParseLength(argv[6], &sidecarLength))
        return Fail(kUsage, "usage: korvane-commit FOLDER NAME EXPECTED LENGTH SIDECAR-NAME "
                            "SIDECAR-LENGTH");
    umask(077);
    std::string content, sidecar;
    if (!ReadExactly(length, &content) || !ReadExactly(sidecarLength, &sidecar))
        return Fail(kFailed, "the new content did not come whole; nothing was changed");
    const commit::OpenFolder folder = commit::OpenSafeFolder(argv[1]);
    if (folder.fd < 0) return Fail(folder.unsafe ? kUnsafeFolder : kFailed, folder.why);
    // One commit at a time on this folder, whoever runs it; the lock goes with the process.
    if (flock(folder.fd, LOCK_EX) != 0)
        return Fail(kFailed, std::string(argv[1]) + ": cannot lock: " + std::strerror(errno));
    const PlatformFileIdentity current = platform::identity::IdentityAt(folder.fd, argv[2]);
    if (expected && !PlatformSameFileIdentity(&current, &*expected))
        return Fail(kChangedMeanwhile, std::string(argv[1]) + "/" + argv[2] +
                                           " changed since the list was read; nothing was changed");
    PlatformFileIdentity written{};
    std::string why;
    if (sidecarLength > 0 && !SidecarIsRootsOwn(folder.fd, argv[5]) &&
        commit::Install(folder.fd, argv[5], sidecar, false, &written, &why) ==
            commit::Installed::Failed)
        return Fail(kFailed, std::string(argv[1]) + "/" + argv[5] + ": " + why);
    written = PlatformFileIdentity{};
    why.clear();
    const commit::Installed installed =
        commit::Install(folder.fd, argv[2], content, true, &written, &why);
    if (installed == commit::Installed::Failed)
        return Fail(kFailed, std::string(argv[1]) + "/" + argv[2] + ": " + why);
    std::printf("%llu %llu %lld %lld %lld\n", (unsigned long long)written.device,
                (unsigned long long)written.inode, (long long)written.size,
                (long long)written.modSeconds, (long long)written.modNanoseconds);
    std::fflush(stdout);
    if (installed == commit::Installed::NotFlushed)
        return Fail(kNotFlushed, std::string(argv[1]) + "/" + argv[2] + ": " + why);
    return kDone;
}
