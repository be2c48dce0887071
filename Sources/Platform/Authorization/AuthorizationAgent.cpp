#include "Authorization/AuthorizationAgent.h"

#include "Authorization/AuthorizationPrompt.h"
#include "Authorization/AuthorizationTools.h"

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

AgentAnswer AskTheAgent(std::vector<std::string> check) {
    check.insert(check.begin() + 1, "--disable-internal-agent");
    std::string errors;
    const std::optional<int> status = RunTool(check, "", &errors);
    if (status == 0) return AgentAnswer::Granted;
    if (status == kDismissed) return AgentAnswer::Cancelled;
    if (errors.find(kRefusedText) != std::string::npos) return AgentAnswer::Refused;
    return AgentAnswer::NoAgent;
}

} // namespace platform::authorization
