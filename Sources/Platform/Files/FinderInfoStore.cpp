#include "FinderInfoStore.h"

#include "FileErrors.h"
#include "Platform/MacErrors.h"
#include "Platform/PlatformTesting.h"

#include <algorithm>
#include <cerrno>
#include <sys/stat.h>
#include <sys/xattr.h>

namespace platform::files {

namespace {

bool& AttributesRefused() {
    static bool refused = false;
    return refused;
}

// The l- calls never follow a link someone planted where the file was; a link itself takes no
// user attributes, so its Finder information stays in its sidecar.
bool GetAttribute(const std::string& path, AppleDouble::FinderInfo* info) {
    if (AttributesRefused()) return false;
    AppleDouble::FinderInfo bytes{};
    if (lgetxattr(path.c_str(), kFinderInfoAttribute, bytes.data(), bytes.size()) < 0)
        return false; // none, or longer than this layer writes: not ours
    *info = bytes;
    return true;
}

bool SetAttribute(const std::string& path, const AppleDouble::FinderInfo& info) {
    if (!AttributesRefused())
        return lsetxattr(path.c_str(), kFinderInfoAttribute, info.data(), info.size(), 0) == 0;
    errno = ENOTSUP;
    return false;
}

bool IsNone(const AppleDouble::FinderInfo& info) {
    return std::all_of(info.begin(), info.end(), [](UInt8 b) { return b == 0; });
}

bool KeepsAny(const std::string& path, const AppleDouble& sidecar) {
    AppleDouble::FinderInfo ignored;
    return GetAttribute(path, &ignored) || sidecar.Has(kAppleDoubleFinderInfo);
}

// An earlier version's sidecar holding Finder information alone is no longer needed; one that
// holds more stays, with its copy in step for whoever reads the sidecar alone. The attribute
// holds the information already, so a sidecar that cannot be tidied costs nothing.
void TidySidecar(const std::string& path, AppleDouble sidecar,
                 const AppleDouble::FinderInfo& info) {
    if (!sidecar.Has(kAppleDoubleFinderInfo)) return;
    if (sidecar.HoldsOnly(kAppleDoubleFinderInfo)) return RemoveSidecar(path);
    sidecar.SetFinderInfo(info);
    sidecar.Save(path);
}

} // namespace

AppleDouble::FinderInfo ReadFinderInfo(const std::string& path, const AppleDouble& sidecar) {
    AppleDouble::FinderInfo info;
    return GetAttribute(path, &info) ? info : sidecar.GetFinderInfo();
}

AppleDouble::FinderInfo ReadFinderInfo(const std::string& path) {
    return ReadFinderInfo(path, AppleDouble::Load(path));
}

OSErr WriteFinderInfo(const std::string& path, const AppleDouble::FinderInfo& info) {
    struct stat item;
    if (lstat(path.c_str(), &item) != 0) return ErrnoToOSErr(errno);
    AppleDouble sidecar = AppleDouble::Load(path);
    if (IsNone(info) && !KeepsAny(path, sidecar)) return noErr;
    if (S_ISREG(item.st_mode) && !(item.st_mode & S_IWUSR)) return fLckdErr;
    if (S_ISREG(item.st_mode) || S_ISDIR(item.st_mode)) {
        if (SetAttribute(path, info)) {
            TidySidecar(path, std::move(sidecar), info);
            return noErr;
        }
        if (errno != ENOTSUP && errno != EOPNOTSUPP) return ErrnoToOSErr(errno);
    }
    sidecar.SetFinderInfo(info);
    return sidecar.Save(path) ? noErr : ErrnoToOSErr(errno);
}

} // namespace platform::files

void PlatformRefuseExtendedAttributes(Boolean refuse) {
    platform::files::AttributesRefused() = refuse;
}
