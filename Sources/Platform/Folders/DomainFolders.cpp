#include "Folders/DomainFolders.h"

#include <cstdlib>

namespace platform {

namespace {

std::string Environment(const char* name) {
    const char* value = std::getenv(name);
    return value ? value : "";
}

std::string WithoutTrailingSlash(std::string path) {
    while (path.size() > 1 && path.back() == '/')
        path.pop_back();
    return path;
}

} // namespace

std::string LocalDomainRoot() {
    std::string root = Environment("KORVANE_LOCAL_ROOT");
    return root.empty() ? "/" : WithoutTrailingSlash(root);
}

std::string LocalDomainLibrary() {
    std::string root = LocalDomainRoot();
    return root == "/" ? "/Library" : root + "/Library";
}

std::string LocalDomainPreferences() {
    std::string root = LocalDomainRoot();
    return root == "/" ? "/etc" : root + "/etc";
}

std::string UserPreferencesFolder() {
    std::string config = Environment("XDG_CONFIG_HOME");
    if (!config.empty()) return WithoutTrailingSlash(config);
    return WithoutTrailingSlash(ProcessHomeFolder()) + "/.config";
}

std::string ProcessHomeFolder() {
    return Environment("HOME");
}

} // namespace platform
