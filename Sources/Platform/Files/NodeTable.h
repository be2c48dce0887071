// The process-wide table that gives every file and folder the program meets a number, so that
// folder IDs, FSSpecs and FSRefs round-trip within a run. The root folder is number 2.
#pragma once

#include "Platform/MacTypes.h"

#include <optional>
#include <string>
#include <unordered_map>
#include <vector>

namespace platform::files {

class NodeTable {
  public:
    NodeTable();
    // The number of an absolute, normalized path; a new number when the path is new.
    SInt32 IdForPath(const std::string& path);
    std::optional<std::string> PathForId(SInt32 id) const;

  private:
    std::unordered_map<std::string, SInt32> ids_;
    std::unordered_map<SInt32, std::string> paths_;
    SInt32 next_ = 16;
};

NodeTable& Nodes();

// One volume reference number per mounted file system, counted down from -1.
class VolumeTable {
  public:
    // The volume of an existing path; 0 when it cannot be examined.
    SInt16 VolumeForPath(const std::string& path);
    std::optional<std::string> RootOf(SInt16 vRefNum) const;

  private:
    struct Volume {
        UInt64 device;
        std::string root;
    };
    std::vector<Volume> volumes_;
};

VolumeTable& Volumes();

// For tests: forgets every folder ID but the root's, and every volume.
void ForgetNodesAndVolumes();

// Lexically normal absolute form: no "." or "..", no repeated or trailing slashes.
std::string NormalPath(const std::string& path);
std::string ParentPath(const std::string& path);
std::string LeafName(const std::string& path);
std::string JoinPath(const std::string& folder, const std::string& name);

} // namespace platform::files
