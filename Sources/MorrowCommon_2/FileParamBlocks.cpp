#include "FileParamBlocks.h"

OSErr GetFileInfoByName(SInt16 vRefNum, SInt32 dirID, ConstStr255Param name, HParamBlockRec* pb) {
    ClearParamBlock(pb);
    pb->fileParam.ioNamePtr = NameToRead(name);
    pb->fileParam.ioVRefNum = vRefNum;
    pb->fileParam.ioFDirIndex = 0;
    pb->fileParam.ioDirID = dirID;
    return PBHGetFInfoSync(pb);
}
