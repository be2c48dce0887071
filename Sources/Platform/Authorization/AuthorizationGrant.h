// Whether the process gets the administrator right, and how its tools then run as the superuser.
#pragma once

#include "Platform/Authorization.h"

#include <optional>
#include <string>
#include <vector>

namespace platform::authorization {

// Root runs tools itself; any other user through the privilege tool that checked the password.
enum class PrivilegeRoute { Direct, Sudo, Pkexec };

// Root is granted without asking unless KORVANE_ASK_AS_ROOT=1. Otherwise someone is asked (which
// the flags must allow): where there is sudo, the prompt, up to three times, until an answer
// names the process's own user with the password sudo takes (a root process asking takes any
// password, or KORVANE_ASK_AS_ROOT_PASSWORD alone when set); where there is only pkexec, pkexec
// itself. A cancelled prompt gives errAuthorizationCanceled, three wrong answers
// errAuthorizationDenied.
OSStatus GrantAdministrator(AuthorizationFlags flags, PrivilegeRoute* route);

// The command that runs the tool's argument vector by the route, non-interactively; nothing when
// the route's privilege tool cannot be found.
std::optional<std::vector<std::string>> RoutedCommand(PrivilegeRoute route,
                                                      const std::vector<std::string>& tool);

} // namespace platform::authorization
