// What the catalog calls report of one file or folder, gathered from the file, its attribute and
// its sidecar.
#pragma once

#include "AppleDouble.h"
#include "Platform/Files.h"

#include <string>

namespace platform::files {

struct CatalogEntry {
    std::string path;
    bool isFolder = false;
    bool locked = false;
    SInt32 nodeID = 0;
    SInt32 parentID = 0;
    SInt64 dataLength = 0;
    SInt64 dataPhysical = 0;
    SInt64 rsrcLength = 0;
    UInt32 created = 0; // seconds since 1904, as the original platform counted
    UInt32 modified = 0;
    UInt16 folderItems = 0;
    AppleDouble::FinderInfo finderInfo{};
};

// Reads the entry at path; fnfErr when nothing is there.
OSErr ReadCatalogEntry(const std::string& path, CatalogEntry* entry);

// The visible names inside a folder, in byte order (sidecars hidden).
std::vector<std::string> ListFolder(const std::string& path);

// Finder information travels big-endian where it is kept and in FSCatalogInfo, native in records.
FInfo FInfoFromBytes(const UInt8* bytes);
void FInfoToBytes(const FInfo& info, UInt8* bytes);
FXInfo FXInfoFromBytes(const UInt8* bytes);
void FXInfoToBytes(const FXInfo& info, UInt8* bytes);
DInfo DInfoFromBytes(const UInt8* bytes);
DXInfo DXInfoFromBytes(const UInt8* bytes);

SInt32 PhysicalLength(SInt64 logical);

} // namespace platform::files
