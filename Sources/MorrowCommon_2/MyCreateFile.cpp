#include "MorrowCommon_2/MyCreateFile.h"

#include "FileParamBlocks.h"

OSErr MyOnlyCreateFile(const FSSpec* spec) {
    return MyOnlyCreateFile(spec->vRefNum, spec->parID, spec->name);
}

OSErr MyOnlyCreateFile(SInt16 vRefNum, SInt32 dirID, ConstStr255Param name) {
    HParamBlockRec pb;
    ClearParamBlock(&pb);
    pb.fileParam.ioNamePtr = NameToRead(name);
    pb.fileParam.ioVRefNum = vRefNum;
    pb.fileParam.ioDirID = dirID;
    return PBHCreateSync(&pb);
}
