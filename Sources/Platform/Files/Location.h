// Turns the File Manager's ways of naming an item (volume, folder ID and name; FSSpec; FSRef)
// into paths, and paths back into them.
#pragma once

#include "Platform/Files.h"
#include "Support/PascalText.h"

#include <string>

namespace platform::files {

struct Located {
    OSErr err;
    std::string path; // the item's absolute path (it need not exist) when err is 0
};

// The folder named by a volume and folder ID: -35 for volume 0 with folder 0 or an unknown
// volume, -120 when the ID is unknown or names no existing folder.
Located LocateFolder(SInt16 vRefNum, SInt32 dirID);
// The item named by a folder and a name; an empty or null name names the folder itself.
// A name holding "/", "." or "..", or beginning with "._" (reserved for sidecars), is -37.
Located LocateItem(SInt16 vRefNum, SInt32 dirID, ConstStr255Param name);
Located LocateSpec(const FSSpec* spec);
Located LocateRef(const FSRef* ref);

bool IsValidLeafName(const std::string& name);

// What FSSpec and FSRef hold for an existing path. A name over 63 bytes does not fit an FSSpec:
// such an item cannot be reached through one (-43).
OSErr MakeSpec(const std::string& path, FSSpec* spec);
void MakeRef(const std::string& path, FSRef* ref);
SInt32 FolderIdOf(const std::string& path);

} // namespace platform::files
