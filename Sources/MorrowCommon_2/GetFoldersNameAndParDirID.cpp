#include "MorrowCommon_2/GetFoldersNameAndParDirID.h"

#include "FileParamBlocks.h"
#include "MorrowCommon_2/MyPStrings.h"
#include "Platform/MacErrors.h"

OSErr GetFoldersNameAndParDirID(SInt16 vRefNum, SInt32 dirID, StringPtr name, SInt32* parID) {
    CInfoPBRec pb;
    ClearParamBlock(&pb);
    pb.dirInfo.ioNamePtr = name;
    pb.dirInfo.ioVRefNum = vRefNum;
    pb.dirInfo.ioFDirIndex = -1; // describe the folder dirID itself
    pb.dirInfo.ioDrDirID = dirID;
    const OSErr err = PBGetCatInfoSync(&pb);
    if (err != noErr) return err;
    if (!(pb.dirInfo.ioFlAttrib & kioFlAttribDirMask)) return dirNFErr;
    *parID = pb.dirInfo.ioDrParID;
    return noErr;
}

OSErr GetFoldersNameAndParDirID(FSSpec* spec) {
    return GetFoldersNameAndParDirID(spec, &spec->parID);
}

OSErr GetFoldersNameAndParDirID(FSSpec* spec, SInt32* parID) {
    // Folder names may run to 255 bytes; an FSSpec holds 63. Nothing is written for a longer one.
    Str255 name;
    SInt32 folderParID;
    OSErr err = GetFoldersNameAndParDirID(spec->vRefNum, spec->parID, name, &folderParID);
    if (err == noErr && name[0] >= sizeof spec->name) err = bdNamErr;
    if (err != noErr) return err;
    MyPStrCopy(name, spec->name);
    *parID = folderParID;
    return noErr;
}
