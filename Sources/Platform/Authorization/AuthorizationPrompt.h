// The administrator prompt of authorization services: the platform's own dialog, shown through
// the display, or a line on the controlling terminal for a command without a display, unless
// another prompt is installed (tests install their own answers).
#pragma once

#include "Platform/AdministratorPrompt.h"

#include <optional>
#include <string>

namespace platform {

// Asks through the installed prompt, else on the terminal when a command asked for that, else
// the dialog.
std::optional<AdministratorCredentials> AskForAdministrator(const AdministratorQuestion& question);

// Whether a command asked for the terminal's line prompt (PlatformAskOnTerminal).
bool AsksOnTerminalLine();

// The dialog: the account's name selected, the password shown as bullets. Asked again, it says
// "Sorry, try again." with the password field empty and focused. Nothing when the person cancels
// or the dialog's resources are missing.
std::optional<AdministratorCredentials> AskWithPromptDialog(const AdministratorQuestion& question);

// A line on the controlling terminal, "[PROGRAM] password for ACCOUNT: ", typing not shown;
// asked again, "Sorry, try again." comes first. Nothing when there is no terminal, or the
// person ends the line with Ctrl-D or interrupts it.
std::optional<AdministratorCredentials> AskOnTerminalLine(const std::string& program,
                                                          const AdministratorQuestion& question);

} // namespace platform
