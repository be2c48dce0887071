#include "Authorization/AuthorizationPrompt.h"

namespace platform {

namespace {

AuthorizationPrompt& InstalledPrompt() {
    static AuthorizationPrompt prompt;
    return prompt;
}

} // namespace

std::optional<AdministratorCredentials> AskForAdministrator(const AdministratorQuestion& question) {
    if (const AuthorizationPrompt& prompt = InstalledPrompt()) return prompt(question);
    return AskWithPromptDialog(question);
}

} // namespace platform

void PlatformSetAuthorizationPrompt(platform::AuthorizationPrompt prompt) {
    platform::InstalledPrompt() = std::move(prompt);
}
