// The administrator prompt of authorization services. The dialog platform installs the real
// dialog; tests install their own answers. With none installed every request is cancelled.
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

// Asks through the installed prompt; nothing when none is installed or the person cancels.
std::optional<AdministratorCredentials> AskForAdministrator(const std::string& right,
                                                            const std::string& proposedUser);

} // namespace platform

// Installs the prompt; an empty function removes it.
void PlatformSetAuthorizationPrompt(platform::AuthorizationPrompt prompt);
