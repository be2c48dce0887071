#include "MorrowCommon_2/MyFindFolder.h"

#include "FileParamBlocks.h"
#include "Platform/Folders.h"
#include "Platform/MacErrors.h"

OSErr FindPreferencesFolder(SInt16* vRefNum, SInt32* dirID) {
    SInt16 foundVRefNum;
    SInt32 foundDirID;
    const OSErr err = FindFolder(kOnSystemDisk, kPreferencesFolderType, kCreateFolder,
                                 &foundVRefNum, &foundDirID);
    if (err != noErr) return err;
    *vRefNum = foundVRefNum;
    *dirID = foundDirID;
    return noErr;
}

OSErr FindNamedFile(const FSSpec* spec) {
    return FindNamedFile(spec->vRefNum, spec->parID, spec->name);
}

OSErr FindNamedFile(SInt16 vRefNum, SInt32 dirID, ConstStr255Param name) {
    // An empty name would describe the folder itself, which is no file.
    if (name[0] == 0) return fnfErr;
    CInfoPBRec pb;
    ClearParamBlock(&pb);
    pb.hFileInfo.ioNamePtr = NameToRead(name);
    pb.hFileInfo.ioVRefNum = vRefNum;
    pb.hFileInfo.ioFDirIndex = 0;
    pb.hFileInfo.ioDirID = dirID;
    const OSErr err = PBGetCatInfoSync(&pb);
    if (err != noErr) return err;
    return (pb.hFileInfo.ioFlAttrib & kioFlAttribDirMask) ? OSErr(dupFNErr) : OSErr(noErr);
}
