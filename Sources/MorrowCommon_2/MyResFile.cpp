#include "MorrowCommon_2/MyResFile.h"

#include "Platform/MacErrors.h"
#include "Platform/Resources.h"

OSErr MyCreateResFile(const FSSpec* spec) {
    return MyCreateResFile(spec->vRefNum, spec->parID, spec->name);
}

OSErr MyCreateResFile(SInt16 vRefNum, SInt32 dirID, ConstStr255Param name) {
    HCreateResFile(vRefNum, dirID, name);
    return ResError();
}

OSErr MyOpenResFile(const FSSpec* spec, SInt16* refNum) {
    return MyOpenResFileWithPermission(spec, fsRdWrPerm, refNum);
}

OSErr MyOpenResFile(SInt16 vRefNum, SInt32 dirID, ConstStr255Param name, SInt16* refNum) {
    return MyOpenResFileWithPermission(vRefNum, dirID, name, fsRdWrPerm, refNum);
}

OSErr MyOpenResFileWithPermission(const FSSpec* spec, SInt8 permission, SInt16* refNum) {
    return MyOpenResFileWithPermission(spec->vRefNum, spec->parID, spec->name, permission, refNum);
}

OSErr MyOpenResFileWithPermission(SInt16 vRefNum, SInt32 dirID, ConstStr255Param name,
                                  SInt8 permission, SInt16* refNum) {
    const SInt16 opened = HOpenResFile(vRefNum, dirID, name, permission);
    const OSErr err = ResError();
    if (err != noErr) return err;
    if (opened == -1) return openErr;
    *refNum = opened;
    return noErr;
}
