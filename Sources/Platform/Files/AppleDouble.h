// AppleDouble version 2 sidecars ("._NAME" beside NAME): where a file's resource fork (entry 2)
// lives, and its Finder information (entry 9) where the file cannot carry it (FinderInfoStore.h).
// Entries this layer does not know are kept.
#pragma once

#include "Platform/MacTypes.h"

#include <array>
#include <optional>
#include <string>
#include <vector>

namespace platform::files {

enum : UInt32 { kAppleDoubleResourceFork = 2, kAppleDoubleFinderInfo = 9 };

class AppleDouble {
  public:
    using FinderInfo = std::array<UInt8, 32>;

    // The sidecar of path; an empty one when there is none or it is not a valid sidecar.
    static AppleDouble Load(const std::string& itemPath);
    // Writes the sidecar in one step (a new file renamed over the old); errno-style false.
    bool Save(const std::string& itemPath) const;

    bool Has(UInt32 id) const;
    bool HoldsOnly(UInt32 id) const { return entries_.size() == 1 && Has(id); }
    const std::vector<UInt8>* Entry(UInt32 id) const;
    void SetEntry(UInt32 id, std::vector<UInt8> bytes);

    FinderInfo GetFinderInfo() const;
    void SetFinderInfo(const FinderInfo& info);

    bool IsEmpty() const { return entries_.empty(); }

    static std::vector<UInt8> Encode(const std::vector<std::pair<UInt32, std::vector<UInt8>>>&);
    static std::optional<std::vector<std::pair<UInt32, std::vector<UInt8>>>>
    Decode(const std::vector<UInt8>& bytes);

  private:
    std::vector<std::pair<UInt32, std::vector<UInt8>>> entries_;
};

std::string SidecarName(const std::string& itemName);
std::string SidecarPath(const std::string& itemPath);
bool IsSidecarName(const std::string& name);
// Removes the sidecar of path, if any.
void RemoveSidecar(const std::string& itemPath);

} // namespace platform::files
