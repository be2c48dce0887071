#include "Location.h"

#include "AppleDouble.h"
#include "NodeTable.h"
#include "Platform/MacErrors.h"

#include <cstring>
#include <sys/stat.h>

namespace platform::files {

namespace {

constexpr UInt32 kRefTag = 0x6E6F6465; // marks a filled FSRef

bool IsFolder(const std::string& path) {
    struct stat info;
    return stat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

} // namespace

bool IsValidLeafName(const std::string& name) {
    return !name.empty() && name != "." && name != ".." && name.find('/') == std::string::npos &&
           name.find('\0') == std::string::npos && !IsSidecarName(name);
}

Located LocateFolder(SInt16 vRefNum, SInt32 dirID) {
    if (dirID == 0) {
        if (vRefNum == 0) return {nsvErr, {}};
        std::optional<std::string> root = Volumes().RootOf(vRefNum);
        if (!root) return {nsvErr, {}};
        return {noErr, *root};
    }
    if (vRefNum != 0 && !Volumes().RootOf(vRefNum)) return {nsvErr, {}};
    if (dirID == fsRtParID) return {noErr, "/"};
    std::optional<std::string> path = Nodes().PathForId(dirID);
    if (!path || !IsFolder(*path)) return {dirNFErr, {}};
    return {noErr, *path};
}

Located LocateItem(SInt16 vRefNum, SInt32 dirID, ConstStr255Param name) {
    Located folder = LocateFolder(vRefNum, dirID);
    if (folder.err != noErr) return folder;
    std::string leaf = FromPascal(name);
    if (leaf.empty()) return folder;
    if (!IsValidLeafName(leaf)) return {bdNamErr, {}};
    return {noErr, JoinPath(folder.path, leaf)};
}

Located LocateSpec(const FSSpec* spec) {
    if (!spec) return {paramErr, {}};
    return LocateItem(spec->vRefNum, spec->parID, spec->name);
}

Located LocateRef(const FSRef* ref) {
    UInt32 tag, id;
    if (!ref) return {paramErr, {}};
    std::memcpy(&tag, ref->hidden, 4);
    std::memcpy(&id, ref->hidden + 4, 4);
    if (tag != kRefTag) return {paramErr, {}};
    std::optional<std::string> path = Nodes().PathForId(SInt32(id));
    struct stat info;
    if (!path || stat(path->c_str(), &info) != 0) return {fnfErr, {}};
    return {noErr, *path};
}

OSErr MakeSpec(const std::string& path, FSSpec* spec) {
    std::string parent = ParentPath(path), leaf = path == "/" ? "" : LeafName(path);
    if (leaf.size() > 63) return fnfErr;
    spec->vRefNum = Volumes().VolumeForPath(path);
    spec->parID = path == "/" ? fsRtParID : FolderIdOf(parent);
    ToPascal(leaf, spec->name);
    return noErr;
}

void MakeRef(const std::string& path, FSRef* ref) {
    std::memset(ref, 0, sizeof(FSRef));
    UInt32 id = UInt32(Nodes().IdForPath(path));
    std::memcpy(ref->hidden, &kRefTag, 4);
    std::memcpy(ref->hidden + 4, &id, 4);
}

SInt32 FolderIdOf(const std::string& path) {
    return Nodes().IdForPath(path);
}

} // namespace platform::files
