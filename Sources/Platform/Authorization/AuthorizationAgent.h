// Asking through the polkit agent of the person's desktop session, by way of pkexec.
#pragma once

#include <string>
#include <vector>

namespace platform::authorization {

enum class AgentAnswer {
    Granted,
    Cancelled, // the agent's dialog was dismissed
    Refused,   // the agent asked and polkit refused
    NoAgent    // nobody asked: no agent for the session, no polkit, or pkexec failed
};

// Whether the process runs in a desktop session, where an agent may be registered: a display is
// named and no command asked for the terminal's line prompt.
bool InDesktopSession();

// Runs check, pkexec's command of the right's check, with pkexec's own terminal agent turned
// off, so that only a session agent can ask.
AgentAnswer AskTheAgent(std::vector<std::string> check);

} // namespace platform::authorization
