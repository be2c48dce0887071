#include "MorrowCommon_2/MyOpenCloseFile.h"

#include "FileParamBlocks.h"

OSErr MyOnlyOpenFile(const FSSpec* spec, SInt16* refNum) {
    return MyOnlyOpenFileWithPermission(spec, fsRdWrPerm, refNum);
}

OSErr MyOnlyOpenFile(SInt16 vRefNum, SInt32 dirID, ConstStr255Param name, SInt16* refNum) {
    return MyOnlyOpenFileWithPermission(vRefNum, dirID, name, fsRdWrPerm, refNum);
}

OSErr MyOnlyOpenFileWithPermission(const FSSpec* spec, SInt8 permission, SInt16* refNum) {
    return MyOnlyOpenFileWithPermission(spec->vRefNum, spec->parID, spec->name, permission, refNum);
}

OSErr MyOnlyOpenFileWithPermission(SInt16 vRefNum, SInt32 dirID, ConstStr255Param name,
                                   SInt8 permission, SInt16* refNum) {
    HParamBlockRec pb;
    ClearParamBlock(&pb);
    pb.ioParam.ioNamePtr = NameToRead(name);
    pb.ioParam.ioVRefNum = vRefNum;
    pb.ioParam.ioDirID = dirID;
    pb.ioParam.ioPermssn = permission;
    pb.ioParam.ioMisc = nullptr;
    const OSErr err = PBHOpenSync(&pb);
    *refNum = err == noErr ? pb.ioParam.ioRefNum : 0;
    return err;
}

OSErr MyCloseFile(SInt16 refNum) {
    ParamBlockRec pb;
    ClearParamBlock(&pb);
    pb.ioParam.ioRefNum = refNum;
    return PBCloseSync(&pb);
}
