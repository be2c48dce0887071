#include "AuthorizationPrompt.h"

namespace platform {

namespace {

AuthorizationPrompt& InstalledPrompt() {
    static AuthorizationPrompt prompt;
    return prompt;
}

} // namespace

std::optional<AdministratorCredentials> AskForAdministrator(const std::string& right,
                                                            const std::string& proposedUser) {
    const AuthorizationPrompt& prompt = InstalledPrompt();
    if (!prompt) return std::nullopt;
    return prompt(right, proposedUser);
}

} // namespace platform

void PlatformSetAuthorizationPrompt(platform::AuthorizationPrompt prompt) {
    platform::InstalledPrompt() = std::move(prompt);
}
