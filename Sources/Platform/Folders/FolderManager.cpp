#include "Files/FileErrors.h"
#include "Files/NodeTable.h"
#include "Folders/DomainFolders.h"
#include "Platform/Folders.h"
#include "Platform/MacErrors.h"

#include <cerrno>
#include <filesystem>
#include <optional>
#include <sstream>
#include <sys/stat.h>

using namespace platform;

namespace {

std::optional<std::string> PreferencesFolderOf(SInt16 domain) {
    switch (domain) {
    case kOnSystemDisk:
    case kUserDomain: {
        std::string folder = UserPreferencesFolder();
        if (folder.empty() || folder[0] != '/') return std::nullopt;
        return folder;
    }
    case kLocalDomain:
        return LocalDomainPreferences();
    default:
        return std::nullopt;
    }
}

// Each missing folder on the path is made with this mode, whatever the umask: the user's own are
// the user's alone, the local domain's readable by all.
OSErr CreateFolders(const std::string& path, mode_t mode) {
    if (path.empty() || path[0] != '/') return paramErr; // never made from / for a relative one
    std::string made;
    std::istringstream names(path);
    for (std::string name; std::getline(names, name, '/');) {
        if (name.empty()) continue;
        made += "/" + name;
        if (mkdir(made.c_str(), mode) == 0) {
            if (chmod(made.c_str(), mode) != 0) return files::ErrnoToOSErr(errno);
        } else if (errno != EEXIST) {
            return files::ErrnoToOSErr(errno);
        }
    }
    return noErr;
}

} // namespace

Boolean PlatformFolderPath(SInt16 vRefNum, OSType folderType, char* path, UInt32 pathSize) {
    if (!path || folderType != kPreferencesFolderType) return false;
    std::optional<std::string> folder = PreferencesFolderOf(vRefNum);
    if (!folder) return false;
    const std::string normal = files::NormalPath(*folder);
    if (normal.size() >= pathSize) return false;
    normal.copy(path, normal.size());
    path[normal.size()] = 0;
    return true;
}

OSErr FindFolder(SInt16 vRefNum, OSType folderType, Boolean createFolder, SInt16* foundVRefNum,
                 SInt32* foundDirID) {
    if (!foundVRefNum || !foundDirID) return paramErr;
    std::optional<std::string> folder;
    if (folderType == kPreferencesFolderType) folder = PreferencesFolderOf(vRefNum);
    if (!folder) return fnfErr;
    std::string path = files::NormalPath(*folder);
    struct stat info;
    if (stat(path.c_str(), &info) != 0) {
        if (!createFolder) return fnfErr;
        if (OSErr err = CreateFolders(path, vRefNum == kLocalDomain ? 0755 : 0700)) return err;
    } else if (!S_ISDIR(info.st_mode)) {
        return dupFNErr;
    }
    *foundVRefNum = files::Volumes().VolumeForPath(path);
    *foundDirID = files::Nodes().IdForPath(path);
    return noErr;
}
