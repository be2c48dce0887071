// Test support: a file's Finder information and lock, set and read through the File Manager
// calls that the program itself has.
#pragma once

#include "Platform/Files.h"

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

} // namespace testsupport
