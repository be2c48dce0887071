#include "Authorization/CommitHelperPath.h"

#include "CoreFoundation/BundleFolders.h"

namespace platform::authorization {

std::optional<std::string> CommitHelperPath() {
    const std::optional<std::string> resources = platform::cf::MainBundleResourcesFolder();
    if (!resources) return std::nullopt;
    // "<bundle>/Contents/Resources/" less its last folder.
    const std::string contents = resources->substr(0, resources->size() - sizeof "Resources/" + 1);
    return contents + "MacOS/korvane-commit";
}

} // namespace platform::authorization
