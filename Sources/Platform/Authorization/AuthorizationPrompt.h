// The administrator prompt of authorization services: the platform's own dialog, shown through
// the display, unless another prompt is installed (tests install their own answers).
#pragma once

#include <functional>
#include <optional>
#include <string>

namespace platform {

struct AdministratorCredentials {
    std::string user;
    std::string password;
};

// Asked once per request: the right's name and the user the platform proposes (the process's
// own). Nothing means the person cancelled.
using AuthorizationPrompt = std::function<std::optional<AdministratorCredentials>(
    const std::string& right, const std::string& proposedUser)>;

// Asks through the installed prompt, or the dialog when there is none; nothing when the person
// cancels.
std::optional<AdministratorCredentials> AskForAdministrator(const std::string& right,
                                                            const std::string& proposedUser);

// The dialog: the proposed user's name selected, the password shown as bullets. Nothing when
// the person cancels or the dialog's resources are missing.
std::optional<AdministratorCredentials> AskWithPromptDialog(const std::string& right,
                                                            const std::string& proposedUser);

} // namespace platform

// Installs the prompt; an empty function goes back to the dialog.
void PlatformSetAuthorizationPrompt(platform::AuthorizationPrompt prompt);
