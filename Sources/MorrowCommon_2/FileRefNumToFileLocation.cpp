#include "MorrowCommon_2/FileRefNumToFileLocation.h"

#include "FileParamBlocks.h"

OSErr FileRefNumToFileLocation(SInt16 refNum, FSSpec* spec, Boolean* isDataFork) {
    FCBPBRec pb;
    ClearParamBlock(&pb);
    pb.ioFCBIndx = 0;
    pb.ioRefNum = refNum;
    pb.ioNamePtr = spec->name;
    const OSErr err = PBGetFCBInfoSync(&pb);
    if (err != noErr) return err;
    spec->vRefNum = pb.ioFCBVRefNum;
    spec->parID = pb.ioFCBParID;
    if (isDataFork) *isDataFork = (pb.ioFCBFlags & kioFCBResourceMask) == 0;
    return noErr;
}
