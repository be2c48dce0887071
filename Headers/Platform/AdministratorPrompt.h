// Where the administrator prompt of authorization services asks: in a dialog of the display the
// program runs on, or, for a command run at a terminal without a display, on the terminal; or,
// in tests, in the test's own code.
#pragma once

#include <functional>
#include <optional>
#include <string>

// From now on the prompt is a line on the controlling terminal, as the privilege tool's own is:
// "[PROGRAM] password for NAME: " with what is typed not shown, "Sorry, try again." before it
// after a wrong password. Ctrl-D on an empty line or Ctrl-C cancels, as the dialog's Cancel
// does, and the terminal is left as it was.
void PlatformAskOnTerminal(const char* program);

namespace platform {

struct AdministratorCredentials {
    std::string user;
    std::string password;
};

// One asking: the right's name, the account whose password the privilege tool checks (the
// process's own), and whether the answer before was wrong, which the prompt says.
struct AdministratorQuestion {
    std::string right;
    std::string account;
    bool again = false;
};

// Nothing means the person cancelled.
using AuthorizationPrompt =
    std::function<std::optional<AdministratorCredentials>(const AdministratorQuestion&)>;

} // namespace platform

// Installs the prompt in place of the platform's own; an empty function goes back to it. For
// tests, which answer from their own code.
void PlatformSetAuthorizationPrompt(platform::AuthorizationPrompt prompt);
