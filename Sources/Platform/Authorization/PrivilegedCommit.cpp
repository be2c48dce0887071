#include "Platform/PrivilegedCommit.h"

#include "Authorization/CommitHelperPath.h"

#include <cerrno>
#include <cstdio>
#include <sstream>
#include <string>
#include <sys/wait.h>

namespace {

// The helper's exit statuses that mean something to the caller.
constexpr int kChangedMeanwhile = 66, kUnsafeFolder = 65, kNotFlushed = 67;

std::string ExpectedArgument(const PlatformFileIdentity* expected) {
    if (!expected) return "any";
    if (!expected->exists) return "missing";
    std::ostringstream text;
    text << expected->device << ':' << expected->inode << ':' << expected->size << ':'
         << expected->modSeconds << ':' << expected->modNanoseconds << ':' << expected->contentHash;
    return text.str();
}

// The helper is the program's own child, as the call leaves it: reaping it tells how it ended.
int HelperExitStatus() {
    int status = 0;
    pid_t ended;
    while ((ended = wait(&status)) < 0 && errno == EINTR) {
    }
    return ended > 0 && WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

bool ParseWritten(const std::string& line, PlatformFileIdentity* written) {
    std::istringstream in(line);
    PlatformFileIdentity identity{};
    if (!(in >> identity.device >> identity.inode >> identity.size >> identity.modSeconds >>
          identity.modNanoseconds))
        return false;
    identity.exists = true;
    *written = identity;
    return true;
}

} // namespace

OSStatus PlatformCommitWithPrivileges(AuthorizationRef authorization, const char* folderPath,
                                      const char* formerFolderPath, const char* name,
                                      const PlatformFileIdentity* expected, const void* text,
                                      SInt32 length, const char* sidecarName, const void* sidecar,
                                      SInt32 sidecarLength, PlatformFileIdentity* written) {
    const std::optional<std::string> helper = platform::authorization::CommitHelperPath();
    if (!helper) return errAuthorizationToolExecuteFailure;
    const std::string expectedText = ExpectedArgument(expected);
    const std::string lengthText = std::to_string(length > 0 ? length : 0);
    const std::string sidecarLengthText = std::to_string(sidecarLength > 0 ? sidecarLength : 0);
    const char* arguments[] = {folderPath,         name,        expectedText.c_str(),
                               lengthText.c_str(), sidecarName, sidecarLengthText.c_str(),
                               formerFolderPath,   nullptr};
    FILE* pipe = nullptr;
    OSStatus status = AuthorizationExecuteWithPrivileges(
        authorization, helper->c_str(), kAuthorizationFlagDefaults,
        const_cast<char* const*>(arguments), &pipe);
    if (status != errAuthorizationSuccess) return status;
    // A helper that ends early makes the write fail rather than raise a signal.
    bool delivered =
        (length <= 0 || std::fwrite(text, 1, size_t(length), pipe) == size_t(length)) &&
        (sidecarLength <= 0 ||
         std::fwrite(sidecar, 1, size_t(sidecarLength), pipe) == size_t(sidecarLength));
    delivered = std::fflush(pipe) == 0 && delivered;
    std::string output;
    char piece[128];
    size_t got;
    while ((got = std::fread(piece, 1, sizeof piece, pipe)) > 0)
        output.append(piece, got);
    std::fclose(pipe);
    const int exit = HelperExitStatus();
    const bool placed = ParseWritten(output, written);
    if (exit == kChangedMeanwhile) return kPlatformCommitChangedErr;
    if (exit == kUnsafeFolder) return kPlatformCommitUnsafeFolderErr;
    if (exit == kNotFlushed && placed) return kPlatformCommitNotFlushedErr;
    return exit == 0 && delivered && placed ? errAuthorizationSuccess
                                            : errAuthorizationToolEnvironmentError;
}
