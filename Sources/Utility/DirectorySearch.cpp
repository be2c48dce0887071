#include "CopyRules.h"
#include "Utility/Utility.h"

#include "Platform/Foundation.h"

#include <string_view>

namespace {

Boolean NameMatches(std::string_view entry, std::string_view name, compareMethod method) {
    switch (method) {
    case compareSuffix:
        return entry.ends_with(name);
    case comparePrefix:
        return entry.starts_with(name);
    default:
        return entry == name;
    }
}

// Folders and paths where nothing exists (dangling links) are never a match.
Boolean IsExistingFile(const std::string& path) {
    bool isDirectory = false;
    return NSFileManager::defaultManager().fileExistsAtPath(path, &isDirectory) && !isDirectory;
}

} // namespace

Boolean searchDirectorySub(const char* directory, const char* name, compareMethod method,
                           char** foundPath) {
    if (!directory || !name || !foundPath) return false;
    NSAutoreleasePool pool;
    NSFileManager& fileManager = NSFileManager::defaultManager();
    for (const std::string& entry : fileManager.directoryContentsAtPath(directory)) {
        std::string path = StringByAppendingPathComponent(directory, entry);
        if (!IsExistingFile(path) || !NameMatches(entry, name, method)) continue;
        *foundPath = MallocTextCopy(path);
        return *foundPath != nullptr;
    }
    return false;
}
