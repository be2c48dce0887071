// Standard folders, home and temporary folder. The local domain's folders come from the same
// place as the Folder Manager's, so both always agree.
#include "Platform/Foundation.h"

#include "Folders/DomainFolders.h"

#include <cstdlib>

namespace {

std::string LocalFolder(NSSearchPathDirectory directory) {
    const std::string library = platform::LocalDomainLibrary();
    switch (directory) {
    case NSLibraryDirectory:
        return library;
    case NSCachesDirectory:
        return StringByAppendingPathComponent(library, "Caches");
    case NSApplicationSupportDirectory:
        return StringByAppendingPathComponent(library, "Application Support");
    }
    return "";
}

} // namespace

std::vector<std::string> NSSearchPathForDirectoriesInDomains(NSSearchPathDirectory directory,
                                                             NSSearchPathDomainMask domainMask,
                                                             bool) {
    std::vector<std::string> paths;
    std::string local = LocalFolder(directory);
    if ((domainMask & NSLocalDomainMask) && !local.empty()) paths.push_back(local);
    return paths;
}

std::optional<std::string> NSHomeDirectory() {
    std::string home = platform::ProcessHomeFolder();
    if (home.empty()) return std::nullopt;
    return home;
}

std::string NSTemporaryDirectory() {
    const char* folder = std::getenv("TMPDIR");
    std::string path = folder && *folder ? folder : "/tmp/";
    if (path.back() != '/') path += '/';
    return path;
}
