#include "Korvane/DataStore/PrivilegedTools.h"

#include "Korvane/Shell/Globals.h"
#include "Platform/HostProcess.h"

#include <cstdio>

namespace {

// The tool is the program's own child, as the call leaves it: reaping it tells how it ended.
Boolean ToolSucceeded() {
    PlatformChildEnd end{};
    return PlatformWaitForChild(&end) && end.exited && end.exitStatus == 0;
}

constexpr AuthorizationFlags kJARightFlags = kAuthorizationFlagInteractionAllowed |
                                             kAuthorizationFlagExtendRights |
                                             kAuthorizationFlagPreAuthorize;

} // namespace

OSErr ObtainJARight(Boolean* refused) {
    *refused = false;
    ReleaseJARight();
    OSStatus status =
        AuthorizationCreate(nullptr, nullptr, kAuthorizationFlagDefaults, &myAuthorizationRef);
    if (status != errAuthorizationSuccess) {
        myAuthorizationRef = nullptr;
        return LowWord(status);
    }
    AuthorizationItem right = {kAuthorizationRightExecute, 0, nullptr, 0};
    AuthorizationRights rights = {1, &right};
    status = AuthorizationCopyRights(myAuthorizationRef, &rights, nullptr, kJARightFlags, nullptr);
    if (status != errAuthorizationSuccess) {
        *refused = true;
        ReleaseJARight();
        return LowWord(status);
    }
    const char* arguments[] = {"-un", nullptr};
    RunPrivilegedTool("/usr/bin/id", arguments, true);
    AUTH_CREATEL_Flag = true;
    return noErr;
}

void ReleaseJARight() {
    if (myAuthorizationRef) AuthorizationFree(myAuthorizationRef, kAuthorizationFlagDefaults);
    myAuthorizationRef = nullptr;
}

OSErr RunPrivilegedTool(const char* toolPath, const char* const* arguments, Boolean copyOutput,
                        const void* input, SInt32 length) {
    FILE* pipe = nullptr;
    OSStatus status =
        AuthorizationExecuteWithPrivileges(myAuthorizationRef, toolPath, kAuthorizationFlagDefaults,
                                           const_cast<char* const*>(arguments), &pipe);
    if (status != errAuthorizationSuccess) return LowWord(status);
    // A tool that ends early makes the write fail rather than raise a signal.
    Boolean delivered =
        length == 0 || std::fwrite(input, 1, size_t(length), pipe) == size_t(length);
    delivered = std::fflush(pipe) == 0 && delivered;
    char piece[128];
    size_t got;
    while ((got = std::fread(piece, 1, sizeof piece, pipe)) > 0)
        if (copyOutput) std::fwrite(piece, 1, got, stdout);
    std::fclose(pipe);
    if (copyOutput) std::fflush(stdout);
    return ToolSucceeded() && delivered ? noErr : LowWord(errAuthorizationToolEnvironmentError);
}
