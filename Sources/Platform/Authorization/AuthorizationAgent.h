// Asking through the polkit agent of the person's desktop session, by way of pkexec.
#pragma once

#include <string>

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

// Runs the commit helper's check through pkexec with its own terminal agent turned off, so that
// only a session agent can ask.
AgentAnswer AskTheAgent(const std::string& pkexec);

} // namespace platform::authorization
