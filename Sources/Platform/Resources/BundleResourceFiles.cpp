#include "Resources/BundleResourceFiles.h"

#include "Files/ForkTable.h"
#include "Platform/CoreFoundation.h"
#include "Platform/Files.h"

#include <climits>
#include <optional>

namespace platform::resources {

namespace {

constexpr const char* kSystemFileName = "System.rsrc";
constexpr const char* kApplicationFileName = "Korvane.rsrc";

std::optional<std::string> BundleResourcesFolder() {
    CFURLRef url = CFBundleCopyBundleURL(CFBundleGetMainBundle());
    FSRef ref;
    bool found = url && CFURLGetFSRef(url, &ref);
    CFRelease(url);
    UInt8 path[PATH_MAX];
    if (!found || FSRefMakePath(&ref, path, sizeof path) != noErr) return std::nullopt;
    return std::string(reinterpret_cast<const char*>(path)) + "/Contents/Resources/";
}

OSErr OpenReadOnly(ResourceChain& chain, const std::string& path) {
    SInt16 refNum;
    OSErr err = files::Forks().OpenDataAsResourceFork(path, fsRdPerm, &refNum);
    return err ? err : chain.Push(refNum);
}

} // namespace

void OpenBundleResourceFiles(ResourceChain& chain) {
    std::optional<std::string> folder = BundleResourcesFolder();
    if (!folder) return;
    if (OpenReadOnly(chain, *folder + kSystemFileName) == noErr)
        chain.SetSystemFile(chain.CurrentRefNum());
    OpenReadOnly(chain, *folder + kApplicationFileName);
}

} // namespace platform::resources
