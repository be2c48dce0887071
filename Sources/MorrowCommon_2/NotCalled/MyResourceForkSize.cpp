#include "MorrowCommon_2/MyResourceForkSize.h"

#include "FileParamBlocks.h"

static OSErr GetResourceForkLength(const FSSpec* spec, SInt32 HFileParam::*length, SInt32* size) {
    HParamBlockRec pb;
    const OSErr err = GetFileInfoByName(spec->vRefNum, spec->parID, spec->name, &pb);
    *size = err == noErr ? pb.fileParam.*length : 0;
    return err;
}

OSErr GetFileLogicalResourceForkSize(const FSSpec* spec, SInt32* size) {
    return GetResourceForkLength(spec, &HFileParam::ioFlRLgLen, size);
}

OSErr GetFilePhysicalResourceForkSize(const FSSpec* spec, SInt32* size) {
    return GetResourceForkLength(spec, &HFileParam::ioFlRPyLen, size);
}

OSErr TheFileHasResourceFork(const FSSpec* spec, Boolean* has) {
    SInt32 length;
    OSErr err = GetFilePhysicalResourceForkSize(spec, &length);
    if (err == noErr && length == 0) err = GetFileLogicalResourceForkSize(spec, &length);
    *has = err == noErr && length != 0;
    return err;
}
