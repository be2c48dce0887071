#include "Authorization/AuthorizationPrompt.h"

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
    return prompt ? prompt(right, proposedUser) : AskWithPromptDialog(right, proposedUser);
}

} // namespace platform

void PlatformSetAuthorizationPrompt(platform::AuthorizationPrompt prompt) {
    platform::InstalledPrompt() = std::move(prompt);
}
