// Where a file's Finder information lives: in the extended attribute "user.korvane.FinderInfo"
// on the file itself (the 32 bytes of a sidecar's entry 9), so no "._NAME" file is needed for it.
// Where the file system takes no user attributes, and for links, which cannot carry them, it
// stays in the sidecar as earlier versions kept it.
#pragma once

#include "AppleDouble.h"

#include <string>

namespace platform::files {

inline constexpr char kFinderInfoAttribute[] = "user.korvane.FinderInfo";

// The attribute's Finder information, else the sidecar's (that of path, given loaded), else none.
AppleDouble::FinderInfo ReadFinderInfo(const std::string& path, const AppleDouble& sidecar);
AppleDouble::FinderInfo ReadFinderInfo(const std::string& path);

// Replaces the Finder information of the item at path: -45 for a locked file; nothing is written
// for none where none is kept. Written to the attribute, a sidecar's copy is kept in step, or the
// sidecar removed when that copy was all it held; written to the sidecar where the attribute is
// refused.
OSErr WriteFinderInfo(const std::string& path, const AppleDouble::FinderInfo& info);

} // namespace platform::files
