#include "NodeTable.h"

#include "Platform/Files.h"

#include <filesystem>
#include <sys/stat.h>

namespace platform::files {

NodeTable::NodeTable() : ids_{{"/", fsRtDirID}}, paths_{{fsRtDirID, "/"}} {}

SInt32 NodeTable::IdForPath(const std::string& path) {
    auto found = ids_.find(path);
    if (found != ids_.end()) return found->second;
    SInt32 id = next_++;
    ids_.emplace(path, id);
    paths_.emplace(id, path);
    return id;
}

std::optional<std::string> NodeTable::PathForId(SInt32 id) const {
    auto found = paths_.find(id);
    if (found == paths_.end()) return std::nullopt;
    return found->second;
}

NodeTable& Nodes() {
    static NodeTable table;
    return table;
}

namespace {

std::optional<UInt64> DeviceOf(const std::string& path) {
    struct stat info;
    if (stat(path.c_str(), &info) != 0) return std::nullopt;
    return UInt64(info.st_dev);
}

// The topmost folder above path that still lies on the same file system.
std::string MountRoot(const std::string& path, UInt64 device) {
    std::string root = path;
    while (root != "/") {
        std::string parent = ParentPath(root);
        if (DeviceOf(parent) != device) break;
        root = parent;
    }
    return root;
}

} // namespace

SInt16 VolumeTable::VolumeForPath(const std::string& path) {
    std::optional<UInt64> device = DeviceOf(path);
    if (!device) return 0;
    for (size_t i = 0; i < volumes_.size(); ++i)
        if (volumes_[i].device == *device) return SInt16(-1 - SInt16(i));
    volumes_.push_back({*device, MountRoot(path, *device)});
    return SInt16(-SInt16(volumes_.size()));
}

std::optional<std::string> VolumeTable::RootOf(SInt16 vRefNum) const {
    size_t index = size_t(-1 - vRefNum);
    if (vRefNum >= 0 || index >= volumes_.size()) return std::nullopt;
    return volumes_[index].root;
}

VolumeTable& Volumes() {
    static VolumeTable table;
    return table;
}

void ForgetNodesAndVolumes() {
    Nodes() = NodeTable();
    Volumes() = VolumeTable();
}

std::string NormalPath(const std::string& path) {
    std::string normal = std::filesystem::path(path).lexically_normal().string();
    while (normal.size() > 1 && normal.back() == '/')
        normal.pop_back();
    return normal;
}

std::string ParentPath(const std::string& path) {
    size_t slash = path.find_last_of('/');
    if (slash == std::string::npos || slash == 0) return "/";
    return path.substr(0, slash);
}

std::string LeafName(const std::string& path) {
    size_t slash = path.find_last_of('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

std::string JoinPath(const std::string& folder, const std::string& name) {
    return folder == "/" ? "/" + name : folder + "/" + name;
}

} // namespace platform::files
