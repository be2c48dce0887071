// korvane-commit: the one step of a commit that runs as root. It reads the new content from the
// program on standard input and never reads a path the user controls.
//
//   korvane-commit FOLDER NAME EXPECTED LENGTH SIDECAR-NAME SIDECAR-LENGTH [FORMER-FOLDER]
//
// LENGTH bytes of the file's new content, then SIDECAR-LENGTH bytes of its sidecar, come on
// standard input. Under a lock on the folder that every commit takes, the file must still be
// what EXPECTED says (see ParseExpected); the sidecar is written only where it is missing or is
// not root's own plain file. With FORMER-FOLDER the file lies there (as earlier versions kept
// it) and EXPECTED describes it there: it moves into FOLDER, which must not hold it yet, before
// it is replaced. On success the new file's identity is printed as
// "DEVICE INODE SIZE SECONDS NANOSECONDS".
//
//   korvane-commit --run TOOL [ARGUMENT...]
//
// runs one of the commit's system tools (ToolRun.h), for a program whose right came from pkexec.
#include "FileIdentity/OpenFileIdentity.h"
#include "FormerPlace.h"
#include "Replacement.h"
#include "SafeFolder.h"
#include "ToolRun.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <optional>
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

struct Request {
    const char* folder;
    std::string name;
    std::optional<PlatformFileIdentity> expected;
    std::string content;
    std::string sidecarName;
    std::string sidecar;
    const char* former = nullptr;
};

bool ParseRequest(int argc, char** argv, Request* request, size_t* length, size_t* sidecarLength) {
    if ((argc != 7 && argc != 8) || !PlainName(argv[2]) ||
        !commit::ParseExpected(argv[3], &request->expected) || !ParseLength(argv[4], length) ||
        !PlainName(argv[5]) || !ParseLength(argv[6], sidecarLength))
        return false;
    request->folder = argv[1];
    request->name = argv[2];
    request->sidecarName = argv[5];
    if (argc == 8) request->former = argv[7];
    return true;
}

// The folder opened safely and locked: one commit at a time on it, whoever runs it; the lock
// goes with the process.
int OpenAndLock(const char* path, bool make, int* fd) {
    const commit::OpenFolder folder = commit::OpenSafeFolder(path, make);
    if (folder.fd < 0) return Fail(folder.unsafe ? kUnsafeFolder : kFailed, folder.why);
    if (flock(folder.fd, LOCK_EX) != 0)
        return Fail(kFailed, std::string(path) + ": cannot lock: " + std::strerror(errno));
    *fd = folder.fd;
    return kDone;
}

// The file as it was read, and with a move, nothing of its name at the new place yet.
int CheckUnchanged(const Request& request, int folder, int former) {
    const std::string where = std::string(request.former ? request.former : request.folder);
    const PlatformFileIdentity current =
        platform::identity::IdentityAt(request.former ? former : folder, request.name.c_str());
    if (request.expected && !PlatformSameFileIdentity(&current, &*request.expected))
        return Fail(kChangedMeanwhile, where + "/" + request.name +
                                           " changed since the list was read; nothing was changed");
    struct stat info;
    if (request.former && fstatat(folder, request.name.c_str(), &info, AT_SYMLINK_NOFOLLOW) == 0)
        return Fail(kChangedMeanwhile, std::string(request.folder) + "/" + request.name +
                                           " is there already; nothing was changed");
    return kDone;
}

int MoveIn(const Request& request, int folder, int former) {
    std::string why;
    for (const std::string& name : {request.name, request.sidecarName})
        if (!commit::MoveFromFormer(former, folder, name, &why))
            return Fail(kFailed, std::string(request.former) + "/" + name + ": " + why);
    return kDone;
}

int Replace(const Request& request, int folder) {
    PlatformFileIdentity written{};
    std::string why;
    const std::string path = std::string(request.folder) + "/";
    if (!request.sidecar.empty() && !SidecarIsRootsOwn(folder, request.sidecarName) &&
        commit::Install(folder, request.sidecarName, request.sidecar, false, &written, &why) ==
            commit::Installed::Failed)
        return Fail(kFailed, path + request.sidecarName + ": " + why);
    written = PlatformFileIdentity{};
    why.clear();
    const commit::Installed installed =
        commit::Install(folder, request.name, request.content, true, &written, &why);
    if (installed == commit::Installed::Failed)
        return Fail(kFailed, path + request.name + ": " + why);
    std::printf("%llu %llu %lld %lld %lld\n", (unsigned long long)written.device,
                (unsigned long long)written.inode, (long long)written.size,
                (long long)written.modSeconds, (long long)written.modNanoseconds);
    std::fflush(stdout);
    if (installed == commit::Installed::NotFlushed)
        return Fail(kNotFlushed, path + request.name + ": " + why);
    return kDone;
}

} // namespace

int main(int argc, char** argv) {
    if (argc > 1 && std::strcmp(argv[1], "--run") == 0) return commit::RunCommitTool(argc, argv);
    Request request;
    size_t length = 0, sidecarLength = 0;
    if (!ParseRequest(argc, argv, &request, &length, &sidecarLength))
        return Fail(kUsage, "usage: korvane-commit FOLDER NAME EXPECTED LENGTH SIDECAR-NAME "
                            "SIDECAR-LENGTH [FORMER-FOLDER]");
    umask(077);
    if (!ReadExactly(length, &request.content) || !ReadExactly(sidecarLength, &request.sidecar))
        return Fail(kFailed, "the new content did not come whole; nothing was changed");
    // The former folder is locked first, by every commit that moves, so that two never wait on
    // each other.
    int former = -1, folder = -1, status = kDone;
    if (request.former) status = OpenAndLock(request.former, false, &former);
    if (status == kDone) status = OpenAndLock(request.folder, true, &folder);
    if (status == kDone) status = CheckUnchanged(request, folder, former);
    if (status == kDone && request.former) status = MoveIn(request, folder, former);
    if (status == kDone) status = Replace(request, folder);
    if (request.former && (status == kDone || status == kNotFlushed))
        commit::ClearFormer(former, request.name, request.sidecarName);
    return status;
}
