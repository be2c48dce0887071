#include "Platform/Foundation.h"

#include "Files/AppleDouble.h"

#include <dirent.h>
#include <memory>
#include <sys/stat.h>

namespace {

bool IsHidden(const std::string& name) {
    return name == "." || name == ".." || platform::files::IsSidecarName(name);
}

} // namespace

NSFileManager& NSFileManager::defaultManager() {
    static NSFileManager manager;
    return manager;
}

std::vector<std::string> NSFileManager::directoryContentsAtPath(const std::string& path) const {
    std::vector<std::string> names;
    std::unique_ptr<DIR, int (*)(DIR*)> folder(opendir(path.c_str()), closedir);
    if (!folder) return names;
    while (const dirent* entry = readdir(folder.get()))
        if (!IsHidden(entry->d_name)) names.push_back(entry->d_name);
    return names;
}

bool NSFileManager::fileExistsAtPath(const std::string& path, bool* isDirectory) const {
    struct stat status;
    if (stat(path.c_str(), &status) != 0) return false;
    if (isDirectory) *isDirectory = S_ISDIR(status.st_mode);
    return true;
}
