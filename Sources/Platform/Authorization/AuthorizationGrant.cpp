#include "Authorization/AuthorizationGrant.h"

#include "Authorization/AuthorizationPrompt.h"
#include "Authorization/AuthorizationTools.h"
#include "Display/Backend.h"

#include <cstdlib>
#include <cstring>
#include <functional>
#include <pwd.h>
#include <unistd.h>

namespace platform::authorization {

namespace {

constexpr const char* kSudo = "/usr/bin/sudo";
constexpr const char* kPkexec = "/usr/bin/pkexec";
// As sudo allows.
constexpr int kTries = 3;

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
OSStatus AskedByPkexec(const std::string& pkexec) {
    display::ScreenHandedOver handedOver;
    std::optional<std::string> check = FindTool("/bin/true");
    std::optional<int> status = check ? RunTool({pkexec, *check}, "") : std::nullopt;
    return status == 0 ? errAuthorizationSuccess : errAuthorizationDenied;
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
    bool root = geteuid() == 0;
    *route = PrivilegeRoute::Direct;
    if (root && !AsksAsRoot()) return errAuthorizationSuccess;
    if (!(flags & kAuthorizationFlagInteractionAllowed))
        return errAuthorizationInteractionNotAllowed;
    if (root) return AskUntilRight(CheckedAsRoot);
    if (std::optional<std::string> sudo = FindTool(kSudo)) {
        *route = PrivilegeRoute::Sudo;
        return AskUntilRight(
            [&sudo](const std::string& password) { return CheckedBySudo(*sudo, password); });
    }
    if (std::optional<std::string> pkexec = FindTool(kPkexec)) {
        *route = PrivilegeRoute::Pkexec;
        return AskedByPkexec(*pkexec);
    }
    return errAuthorizationDenied;
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
