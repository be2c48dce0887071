// Folders inside the main bundle, for the platform's own readers of bundle files.
#pragma once

#include <optional>
#include <string>

namespace platform::cf {

// "<bundle>/Contents/Resources/", or nothing when the main bundle cannot be found.
std::optional<std::string> MainBundleResourcesFolder();

} // namespace platform::cf
