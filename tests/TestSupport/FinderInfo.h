// Test support: a file's Finder information and lock, set and read through the File Manager
// calls that the program itself has.
#pragma once

#include "Platform/Files.h"
#include "TestSupport/PString.h"

#include <filesystem>
#include <fstream>
#include <string>

namespace testsupport {

inline HParamBlockRec FileParamsFor(const FSSpec& spec) {
    HParamBlockRec pb{};
    pb.fileParam.ioVRefNum = spec.vRefNum;
    pb.fileParam.ioDirID = spec.parID;
    pb.fileParam.ioNamePtr = const_cast<StringPtr>(spec.name);
    return pb;
}

inline OSErr GetFileFinderInfo(const FSSpec& spec, FInfo* info) {
    HParamBlockRec pb = FileParamsFor(spec);
    OSErr err = PBHGetFInfoSync(&pb);
    if (err == noErr) *info = pb.fileParam.ioFlFndrInfo;
    return err;
}

inline OSErr SetFileFinderInfo(const FSSpec& spec, const FInfo& info) {
    HParamBlockRec pb = FileParamsFor(spec);
    pb.fileParam.ioFlFndrInfo = info;
    return PBHSetFInfoSync(&pb);
}

inline OSErr LockFile(const FSSpec& spec) {
    FSRef ref{};
    FSCatalogInfo info{};
    info.nodeFlags = kFSNodeLockedMask;
    OSErr err = FSpMakeFSRef(&spec, &ref);
    return err != noErr ? err : FSSetCatalogInfo(&ref, kFSCatInfoNodeFlags, &info);
}

// Beside the file at path, the sidecar earlier versions wrote for every typed file: Finder
// information alone. False when it could not be made.
inline bool WriteEarlierSidecar(const std::filesystem::path& path, OSType type, OSType creator) {
    Str255 name;
    UInt8 bytes[kFinderInfoSidecarSize];
    SInt32 length = 0;
    if (PlatformFinderInfoSidecar(PString(path.filename().string()), creator, type, name, bytes,
                                  &length) != noErr)
        return false;
    std::ofstream out(path.parent_path() / std::string(name + 1, name + 1 + name[0]),
                      std::ios::binary);
    return bool(out.write(reinterpret_cast<const char*>(bytes), length));
}

} // namespace testsupport
