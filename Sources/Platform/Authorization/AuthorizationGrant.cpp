#include "Authorization/AuthorizationGrant.h"

#include "Authorization/AuthorizationPrompt.h"
#include "Authorization/AuthorizationTools.h"
#include "Display/Backend.h"

#include <cstdlib>
#include <cstring>
#include <pwd.h>
#include <unistd.h>

namespace platform::authorization {

namespace {

constexpr const char* kSudo = "/usr/bin/sudo";
constexpr const char* kPkexec = "/usr/bin/pkexec";

bool AsksAsRoot() {
    const char* value = std::getenv("KORVANE_ASK_AS_ROOT");
    return value && std::strcmp(value, "1") == 0;
}

std::string ProcessUserName() {
    const passwd* user = getpwuid(getuid());
    return user && user->pw_name ? user->pw_name : "";
}

// Forgets any credentials sudo kept, so that the password typed now is the one checked, and
// leaves fresh ones for the tools that follow (sudo -n).
OSStatus VerifyWithSudo(const std::string& sudo, const std::string& password) {
    RunTool({sudo, "-k"}, "");
    std::optional<int> status = RunTool({sudo, "-S", "-p", "", "-v"}, password + "\n");
    return status == 0 ? errAuthorizationSuccess : errAuthorizationDenied;
}

// pkexec takes no password from us; its own agent checks the person once more, perhaps on the
// terminal.
OSStatus VerifyWithPkexec(const std::string& pkexec) {
    display::ScreenHandedOver handedOver;
    std::optional<std::string> check = FindTool("/bin/true");
    std::optional<int> status = check ? RunTool({pkexec, *check}, "") : std::nullopt;
    return status == 0 ? errAuthorizationSuccess : errAuthorizationDenied;
}

OSStatus VerifyPassword(const std::string& password, PrivilegeRoute* route) {
    if (std::optional<std::string> sudo = FindTool(kSudo)) {
        *route = PrivilegeRoute::Sudo;
        return VerifyWithSudo(*sudo, password);
    }
    if (std::optional<std::string> pkexec = FindTool(kPkexec)) {
        *route = PrivilegeRoute::Pkexec;
        return VerifyWithPkexec(*pkexec);
    }
    return errAuthorizationDenied;
}

void Wipe(std::string& secret) {
    explicit_bzero(secret.data(), secret.size());
    secret.clear();
}

} // namespace

OSStatus GrantAdministrator(AuthorizationFlags flags, PrivilegeRoute* route) {
    bool root = geteuid() == 0;
    *route = PrivilegeRoute::Direct;
    if (root && !AsksAsRoot()) return errAuthorizationSuccess;
    if (!(flags & kAuthorizationFlagInteractionAllowed))
        return errAuthorizationInteractionNotAllowed;
    std::string user = ProcessUserName();
    std::optional<AdministratorCredentials> answer =
        AskForAdministrator(kAuthorizationRightExecute, user);
    if (!answer) return errAuthorizationCanceled;
    // The privilege tool can vouch only for the user the process runs as.
    OSStatus status =
        answer->user == user && !user.empty() ? errAuthorizationSuccess : errAuthorizationDenied;
    if (status == errAuthorizationSuccess && !root)
        status = VerifyPassword(answer->password, route);
    Wipe(answer->password);
    return status;
}

std::optional<std::vector<std::string>> RoutedCommand(PrivilegeRoute route,
                                                      const std::vector<std::string>& tool) {
    std::vector<std::string> command;
    if (route == PrivilegeRoute::Sudo) {
        std::optional<std::string> sudo = FindTool(kSudo);
        if (!sudo) return std::nullopt;
        command = {*sudo, "-n", "--"};
    } else if (route == PrivilegeRoute::Pkexec) {
        std::optional<std::string> pkexec = FindTool(kPkexec);
        if (!pkexec) return std::nullopt;
        command = {*pkexec};
    }
    command.insert(command.end(), tool.begin(), tool.end());
    return command;
}

} // namespace platform::authorization
