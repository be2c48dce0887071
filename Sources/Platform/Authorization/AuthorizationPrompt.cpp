#include "Authorization/AuthorizationPrompt.h"

#include "Platform/AdministratorPrompt.h"

namespace platform {

namespace {

AuthorizationPrompt& InstalledPrompt() {
    static AuthorizationPrompt prompt;
    return prompt;
}

// The program's name for the terminal's line; nothing while the dialog asks.
std::optional<std::string>& TerminalProgram() {
    static std::optional<std::string> program;
    return program;
}

} // namespace

bool AsksOnTerminalLine() {
    return TerminalProgram().has_value();
}

std::optional<AdministratorCredentials> AskForAdministrator(const AdministratorQuestion& question) {
    if (const AuthorizationPrompt& prompt = InstalledPrompt()) return prompt(question);
    if (TerminalProgram()) return AskOnTerminalLine(*TerminalProgram(), question);
    return AskWithPromptDialog(question);
}

} // namespace platform

void PlatformSetAuthorizationPrompt(platform::AuthorizationPrompt prompt) {
    platform::InstalledPrompt() = std::move(prompt);
}

void PlatformAskOnTerminal(const char* program) {
    platform::TerminalProgram() = program ? program : "";
}
