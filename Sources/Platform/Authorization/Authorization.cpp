// Authorization references and the calls that use them.
#include "Platform/Authorization.h"

#include "Authorization/AuthorizationGrant.h"
#include "Authorization/AuthorizationTools.h"
#include "Display/Backend.h"
#include "Platform/PlatformTesting.h"

#include <cstring>
#include <memory>
#include <set>

using namespace platform::authorization;

struct AuthorizationOpaqueRef {
    bool adminGranted = false;
    PrivilegeRoute route = PrivilegeRoute::Direct;
};

namespace {

// Every live reference, so that a freed or made-up one is refused rather than used.
std::set<AuthorizationRef>& LiveRefs() {
    static std::set<AuthorizationRef> refs;
    return refs;
}

bool IsLive(AuthorizationRef ref) {
    return ref && LiveRefs().count(ref) != 0;
}

struct ToolObserver {
    PlatformToolObserver observer = nullptr;
    void* refCon = nullptr;
};

ToolObserver& Observer() {
    static ToolObserver observer;
    return observer;
}

// The file name of the tool that tests make fail; empty when none.
std::string& FailingTool() {
    static std::string name;
    return name;
}

// What runs for the tool: the tool itself, or a stand-in that fails at once when tests ask so.
std::vector<std::string> RunVector(const std::vector<std::string>& tool) {
    const std::string& path = tool[0];
    if (FailingTool().empty() || path.substr(path.rfind('/') + 1) != FailingTool()) return tool;
    return {FindTool("/bin/false").value_or("/bin/false")};
}

void ReportStarted(const std::vector<std::string>& tool) {
    const ToolObserver& watching = Observer();
    if (!watching.observer) return;
    std::vector<char*> argv;
    for (const std::string& argument : tool)
        argv.push_back(const_cast<char*>(argument.c_str()));
    argv.push_back(nullptr);
    watching.observer(argv.data(), watching.refCon);
}

OSStatus CheckRights(const AuthorizationRights* rights) {
    if (!rights || (rights->count && !rights->items)) return errAuthorizationInvalidSet;
    for (UInt32 i = 0; i < rights->count; ++i) {
        if (!rights->items[i].name) return errAuthorizationInvalidSet;
        if (std::strcmp(rights->items[i].name, kAuthorizationRightExecute) != 0)
            return errAuthorizationDenied;
    }
    return errAuthorizationSuccess;
}

OSStatus Obtain(AuthorizationRef ref, AuthorizationFlags flags) {
    if (ref->adminGranted) return errAuthorizationSuccess;
    if (!(flags & kAuthorizationFlagExtendRights)) return errAuthorizationDenied;
    OSStatus status = GrantAdministrator(flags, &ref->route);
    ref->adminGranted = status == errAuthorizationSuccess;
    return status;
}

std::vector<std::string> ToolVector(const std::string& tool, char* const* arguments) {
    std::vector<std::string> vector{tool};
    for (char* const* argument = arguments; argument && *argument; ++argument)
        vector.emplace_back(*argument);
    return vector;
}

// Starts the command, joined to a pipe when one is wanted, otherwise to its end. pkexec may ask
// on the terminal, so a run to its end has the terminal to itself.
bool Start(const std::vector<std::string>& command, FILE** communicationsPipe,
           PrivilegeRoute route) {
    if (!communicationsPipe) {
        std::optional<platform::display::ScreenHandedOver> handedOver;
        if (route == PrivilegeRoute::Pkexec) handedOver.emplace();
        return RunTool(command, "").has_value();
    }
    *communicationsPipe = StartTool(command);
    return *communicationsPipe != nullptr;
}

} // namespace

OSStatus AuthorizationCreate(const AuthorizationRights* rights, const AuthorizationEnvironment*,
                             AuthorizationFlags flags, AuthorizationRef* authorization) {
    if (!authorization) return errAuthorizationInvalidPointer;
    auto ref = std::make_unique<AuthorizationOpaqueRef>();
    if (rights && rights->count && (flags & kAuthorizationFlagExtendRights)) {
        OSStatus status = CheckRights(rights);
        if (status == errAuthorizationSuccess) status = Obtain(ref.get(), flags);
        if (status != errAuthorizationSuccess) return status;
    }
    *authorization = ref.release();
    LiveRefs().insert(*authorization);
    return errAuthorizationSuccess;
}

OSStatus AuthorizationCopyRights(AuthorizationRef authorization, const AuthorizationRights* rights,
                                 const AuthorizationEnvironment*, AuthorizationFlags flags,
                                 AuthorizationRights** authorizedRights) {
    if (!IsLive(authorization)) return errAuthorizationInvalidRef;
    if (authorizedRights) return errAuthorizationInvalidPointer;
    OSStatus status = CheckRights(rights);
    if (status != errAuthorizationSuccess || rights->count == 0) return status;
    return Obtain(authorization, flags);
}

OSStatus AuthorizationExecuteWithPrivileges(AuthorizationRef authorization, const char* pathToTool,
                                            AuthorizationFlags options, char* const* arguments,
                                            FILE** communicationsPipe) {
    if (!IsLive(authorization)) return errAuthorizationInvalidRef;
    if (!pathToTool) return errAuthorizationInvalidPointer;
    if (options != kAuthorizationFlagDefaults) return errAuthorizationInvalidFlags;
    OSStatus status = Obtain(authorization,
                             kAuthorizationFlagInteractionAllowed | kAuthorizationFlagExtendRights);
    if (status != errAuthorizationSuccess) return status;
    std::optional<std::string> tool = FindTool(pathToTool);
    std::vector<std::string> toolVector = ToolVector(tool.value_or(""), arguments);
    std::optional<std::vector<std::string>> command =
        tool ? RoutedCommand(authorization->route, RunVector(toolVector)) : std::nullopt;
    if (!command || !Start(*command, communicationsPipe, authorization->route))
        return errAuthorizationToolExecuteFailure;
    ReportStarted(toolVector);
    return errAuthorizationSuccess;
}

OSStatus AuthorizationFree(AuthorizationRef authorization, AuthorizationFlags) {
    if (!IsLive(authorization)) return errAuthorizationInvalidRef;
    LiveRefs().erase(authorization);
    delete authorization;
    return errAuthorizationSuccess;
}

void PlatformSetPrivilegedToolObserver(PlatformToolObserver observer, void* refCon) {
    Observer() = ToolObserver{observer, refCon};
}

void PlatformFailPrivilegedTool(const char* name) {
    FailingTool() = name ? name : "";
}
