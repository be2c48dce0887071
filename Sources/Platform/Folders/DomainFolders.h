// Where the standard folders of each domain lie on Linux. Shared by the Folder Manager and the
// object-layer directory searches, so both always name the same folders.
#pragma once

#include <string>

namespace platform {

// The local domain's root folder: "/" unless KORVANE_LOCAL_ROOT names another.
std::string LocalDomainRoot();
// "<local root>/Library".
std::string LocalDomainLibrary();
// "<local root>/etc": the local domain's Preferences folder, where Linux keeps system settings.
std::string LocalDomainPreferences();
// The user's Preferences folder: $XDG_CONFIG_HOME, or $HOME/.config when that is unset or empty.
std::string UserPreferencesFolder();
// $HOME as the process sees it; empty when unset.
std::string ProcessHomeFolder();

} // namespace platform
