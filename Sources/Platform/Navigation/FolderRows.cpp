#include "Navigation/FolderRows.h"

#include "Files/CatalogEntry.h"
#include "Files/FinderInfoStore.h"
#include "Files/NodeTable.h"

#include <algorithm>
#include <cstdlib>
#include <sys/stat.h>

namespace platform::navigation {

namespace {

bool Stat(const std::string& path, struct stat* status) {
    return !path.empty() && stat(path.c_str(), status) == 0;
}

} // namespace

bool IsFolder(const std::string& path) {
    struct stat status;
    return Stat(path, &status) && S_ISDIR(status.st_mode);
}

bool Exists(const std::string& path) {
    struct stat status;
    return Stat(path, &status);
}

bool OfferedType(const std::string& path, const std::vector<OSType>& types) {
    if (types.empty()) return true;
    files::AppleDouble::FinderInfo info = files::ReadFinderInfo(path);
    OSType type = files::FInfoFromBytes(info.data()).fdType;
    return std::find(types.begin(), types.end(), type) != types.end();
}

std::vector<std::string> FolderRows(const std::string& folder, const std::vector<OSType>& types) {
    std::vector<std::string> rows;
    if (folder != "/") rows.push_back("..");
    for (const std::string& name : files::ListFolder(folder)) {
        std::string path = files::JoinPath(folder, name);
        if (IsFolder(path))
            rows.push_back(name + "/");
        else if (Exists(path) && OfferedType(path, types))
            rows.push_back(name);
    }
    return rows;
}

std::string ResolveTyped(const std::string& shown, const std::string& typed) {
    if (typed.empty()) return shown;
    return files::NormalPath(typed.front() == '/' ? typed : files::JoinPath(shown, typed));
}

// There is no current folder: a relative path names nothing.
std::string StartFolder(const std::string& folder) {
    auto usable = [](const std::string& path) { return path.starts_with('/') && IsFolder(path); };
    if (usable(folder)) return files::NormalPath(folder);
    const char* home = std::getenv("HOME");
    if (home && usable(home)) return files::NormalPath(home);
    return "/";
}

} // namespace platform::navigation
