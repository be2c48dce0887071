#include "CoreFoundation/BundleFolders.h"

#include "Platform/CoreFoundation.h"
#include "Platform/Files.h"

#include <climits>

namespace platform::cf {

std::optional<std::string> MainBundleResourcesFolder() {
    CFURLRef url = CFBundleCopyBundleURL(CFBundleGetMainBundle());
    FSRef ref;
    bool found = url && CFURLGetFSRef(url, &ref);
    CFRelease(url);
    UInt8 path[PATH_MAX];
    if (!found || FSRefMakePath(&ref, path, sizeof path) != noErr) return std::nullopt;
    return std::string(reinterpret_cast<const char*>(path)) + "/Contents/Resources/";
}

} // namespace platform::cf
