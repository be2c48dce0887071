#include "Authorization/AuthorizationAgent.h"

#include "Authorization/AuthorizationPrompt.h"
#include "Authorization/AuthorizationTools.h"
#include "Authorization/CommitHelperPath.h"

#include <cstdlib>
#include <optional>

namespace platform::authorization {

namespace {

// pkexec's own statuses: 126 when the dialog was dismissed, 127 for every other failure, told
// apart by what it says (its messages are not translated).
constexpr int kDismissed = 126;
constexpr const char* kRefusedText = "Not authorized";

bool Named(const char* variable) {
    const char* value = std::getenv(variable);
    return value && *value;
}

} // namespace

bool InDesktopSession() {
    return (Named("DISPLAY") || Named("WAYLAND_DISPLAY")) && !AsksOnTerminalLine();
}

AgentAnswer AskTheAgent(const std::string& pkexec) {
    const std::optional<std::string> helper = CommitHelperPath();
    const std::optional<std::string> check = FindTool("/bin/true");
    if (!helper || !check) return AgentAnswer::NoAgent;
    std::string errors;
    const std::optional<int> status =
        RunTool({pkexec, "--disable-internal-agent", *helper, "--run", *check}, "", &errors);
    if (status == 0) return AgentAnswer::Granted;
    if (status == kDismissed) return AgentAnswer::Cancelled;
    if (errors.find(kRefusedText) != std::string::npos) return AgentAnswer::Refused;
    return AgentAnswer::NoAgent;
}

} // namespace platform::authorization
