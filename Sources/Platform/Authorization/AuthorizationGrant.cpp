#include "Authorization/AuthorizationGrant.h"

#include "Authorization/AuthorizationAgent.h"
#include "Authorization/AuthorizationPrompt.h"
#include "Authorization/AuthorizationTools.h"
#include "Authorization/CommitHelperPath.h"
#include "Display/Backend.h"
#include "Platform/PlatformTesting.h"

#include <cstdlib>
#include <cstring>
#include <functional>
#include <pwd.h>
#include <unistd.h>

namespace platform::authorization {

namespace {

// As sudo allows.
constexpr int kTries = 3;

// The system's privilege tools, or the stand-ins a test put in their place.
struct PrivilegeTools {
    std::string sudo = "/usr/bin/sudo";
    std::string pkexec = "/usr/bin/pkexec";
    bool substituted = false;
};

PrivilegeTools& Tools() {
    static PrivilegeTools tools;
    return tools;
}

// With stand-in tools, a root process asks as any user's process does, so that tests reach
// every way of asking without the real tools.
bool GrantsAsRoot() {
    return geteuid() == 0 && !Tools().substituted;
}

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
bool CheckedBySudo(const std::string& sudo, const std::string& password) {
    RunTool({sudo, "-k"}, "");
    return RunTool({sudo, "-S", "-p", "", "-v"}, password + "\n") == 0;
}

// A root process asking takes any password, or only KORVANE_ASK_AS_ROOT_PASSWORD when that is
// set, so that scripts can try a wrong one.
bool CheckedAsRoot(const std::string& password) {
    const char* wanted = std::getenv("KORVANE_ASK_AS_ROOT_PASSWORD");
    return !wanted || password == wanted;
}

// pkexec takes no password from us: it asks itself, through the polkit agent of the person's
// desktop session when one is registered, otherwise on the terminal, which it then needs to
// itself. Only pkexec can tell whether an agent is there, so the program asks nothing first.
// pkexec's command that checks the right: a tool that does nothing, run as root.
std::optional<std::vector<std::string>> PkexecCheck() {
    std::optional<std::string> check = FindTool("/bin/true");
    return check ? RoutedCommand(PrivilegeRoute::Pkexec, {*check}) : std::nullopt;
}

OSStatus AskedByPkexec(const std::vector<std::string>& check) {
    display::ScreenHandedOver handedOver;
    std::optional<int> status = RunTool(check, "");
    return status == 0 ? errAuthorizationSuccess : errAuthorizationDenied;
}

OSStatus AgentStatus(AgentAnswer answer) {
    if (answer == AgentAnswer::Granted) return errAuthorizationSuccess;
    return answer == AgentAnswer::Cancelled ? errAuthorizationCanceled : errAuthorizationDenied;
}

// pkexec runs only the commit helper, so that one polkit action, whose answer is kept for a
// while, covers every tool of a commit: the helper runs the others for it.
std::optional<std::vector<std::string>> PkexecCommand(const std::vector<std::string>& tool) {
    std::optional<std::string> pkexec = FindTool(Tools().pkexec);
    std::optional<std::string> helper = CommitHelperPath();
    if (!pkexec || !helper) return std::nullopt;
    std::vector<std::string> command{*pkexec};
    if (tool[0] != *helper) command.insert(command.end(), {*helper, "--run"});
    command.insert(command.end(), tool.begin(), tool.end());
    return command;
}

void Wipe(std::string& secret) {
    explicit_bzero(secret.data(), secret.size());
    secret.clear();
}

// Up to three answers, each checked before the next is asked for; the prompt says when the
// one before was wrong. The privilege tool can vouch only for the account the process runs as.
OSStatus AskUntilRight(const std::function<bool(const std::string& password)>& checked) {
    AdministratorQuestion question{kAuthorizationRightExecute, ProcessUserName()};
    if (question.account.empty()) return errAuthorizationDenied;
    for (int asked = 0; asked < kTries; ++asked) {
        question.again = asked > 0;
        std::optional<AdministratorCredentials> answer = AskForAdministrator(question);
        if (!answer) return errAuthorizationCanceled;
        const bool right = answer->user == question.account && checked(answer->password);
        Wipe(answer->password);
        if (right) return errAuthorizationSuccess;
    }
    return errAuthorizationDenied;
}

} // namespace

OSStatus GrantAdministrator(AuthorizationFlags flags, PrivilegeRoute* route) {
    const bool root = GrantsAsRoot();
    *route = PrivilegeRoute::Direct;
    if (root && !AsksAsRoot()) return errAuthorizationSuccess;
    if (!(flags & kAuthorizationFlagInteractionAllowed))
        return errAuthorizationInteractionNotAllowed;
    if (root) return AskUntilRight(CheckedAsRoot);
    const std::optional<std::vector<std::string>> pkexecCheck = PkexecCheck();
    if (pkexecCheck && InDesktopSession()) {
        const AgentAnswer answer = AskTheAgent(*pkexecCheck);
        *route = PrivilegeRoute::Pkexec;
        if (answer != AgentAnswer::NoAgent) return AgentStatus(answer);
    }
    if (std::optional<std::string> sudo = FindTool(Tools().sudo)) {
        *route = PrivilegeRoute::Sudo;
        return AskUntilRight(
            [&sudo](const std::string& password) { return CheckedBySudo(*sudo, password); });
    }
    *route = PrivilegeRoute::Pkexec;
    return pkexecCheck ? AskedByPkexec(*pkexecCheck) : errAuthorizationDenied;
}

std::optional<std::vector<std::string>> RoutedCommand(PrivilegeRoute route,
                                                      const std::vector<std::string>& tool) {
    if (route == PrivilegeRoute::Pkexec) return PkexecCommand(tool);
    std::vector<std::string> command;
    if (route == PrivilegeRoute::Sudo) {
        std::optional<std::string> sudo = FindTool(Tools().sudo);
        if (!sudo) return std::nullopt;
        command = {*sudo, "-n", "--"};
    }
    command.insert(command.end(), tool.begin(), tool.end());
    return command;
}

} // namespace platform::authorization

void PlatformSetPrivilegeTools(const char* sudo, const char* pkexec) {
    using platform::authorization::Tools;
    Tools() = {};
    if (!sudo && !pkexec) return;
    Tools().sudo = sudo ? sudo : "";
    Tools().pkexec = pkexec ? pkexec : "";
    Tools().substituted = true;
}
