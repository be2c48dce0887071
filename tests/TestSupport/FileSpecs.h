// Test support: File Manager names for paths in a temporary folder.
#pragma once

#include "Platform/Files.h"
#include "TestSupport/PString.h"

#include <string>

namespace testsupport {

struct FolderLocation {
    SInt16 vRefNum = 0;
    SInt32 dirID = 0;
};

inline FolderLocation LocateFolderPath(const std::string& path) {
    FSRef ref{};
    FSCatalogInfo info{};
    FolderLocation location;
    if (FSPathMakeRef(reinterpret_cast<const UInt8*>(path.c_str()), &ref, nullptr) == noErr &&
        FSGetCatalogInfo(&ref, kFSCatInfoVolume | kFSCatInfoNodeID, &info, nullptr, nullptr,
                         nullptr) == noErr)
        location = {info.volume, SInt32(info.nodeID)};
    return location;
}

// An FSSpec for name in the folder at folderPath; the file need not exist.
inline FSSpec SpecIn(const std::string& folderPath, const std::string& name) {
    FolderLocation folder = LocateFolderPath(folderPath);
    FSSpec spec{};
    spec.vRefNum = folder.vRefNum;
    spec.parID = folder.dirID;
    SetPascal(spec.name, name);
    return spec;
}

// A catalog parameter block for an item by name, or for the index-th item of the folder.
inline CInfoPBRec CatInfo(SInt16 vRefNum, SInt32 dirID, StringPtr name, SInt16 index = 0) {
    CInfoPBRec pb{};
    pb.hFileInfo.ioNamePtr = name;
    pb.hFileInfo.ioVRefNum = vRefNum;
    pb.hFileInfo.ioDirID = dirID;
    pb.hFileInfo.ioFDirIndex = index;
    return pb;
}

inline std::string NameOf(const FSSpec& spec) {
    return TextOf(spec.name);
}

} // namespace testsupport
