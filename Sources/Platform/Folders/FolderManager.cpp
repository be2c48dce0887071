#include "Files/FileErrors.h"
#include "Files/NodeTable.h"
#include "Folders/DomainFolders.h"
#include "Platform/Folders.h"
#include "Platform/MacErrors.h"

#include <filesystem>
#include <optional>
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
        return LocalDomainLibrary() + "/Preferences";
    default:
        return std::nullopt;
    }
}

OSErr CreateFolders(const std::string& path) {
    std::error_code error;
    std::filesystem::create_directories(path, error);
    return error ? files::ErrnoToOSErr(error.value()) : noErr;
}

} // namespace

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
        if (OSErr err = CreateFolders(path)) return err;
    } else if (!S_ISDIR(info.st_mode)) {
        return dupFNErr;
    }
    *foundVRefNum = files::Volumes().VolumeForPath(path);
    *foundDirID = files::Nodes().IdForPath(path);
    return noErr;
}
