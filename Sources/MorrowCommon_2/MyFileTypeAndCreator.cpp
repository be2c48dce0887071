#include "MorrowCommon_2/MyFileTypeAndCreator.h"

#include "FileParamBlocks.h"

// Reads the file's information, lets change alter it and writes it back.
template <class Change>
static OSErr ChangeFileInfo(SInt16 vRefNum, SInt32 dirID, ConstStr255Param name, Change change) {
    HParamBlockRec pb;
    const OSErr err = GetFileInfoByName(vRefNum, dirID, name, &pb);
    if (err != noErr) return err;
    pb.fileParam.ioDirID = dirID; // the read left the file's own number here
    change(pb.fileParam);
    return PBHSetFInfoSync(&pb);
}

OSErr MySetFileTypeAndCreator(const FSSpec* spec, OSType type, OSType creator) {
    return MySetFileTypeAndCreator(spec->vRefNum, spec->parID, spec->name, type, creator);
}

OSErr MySetFileTypeAndCreator(SInt16 vRefNum, SInt32 dirID, ConstStr255Param name, OSType type,
                              OSType creator) {
    return ChangeFileInfo(vRefNum, dirID, name, [&](HFileParam& info) {
        info.ioFlFndrInfo.fdType = type;
        info.ioFlFndrInfo.fdCreator = creator;
    });
}

OSErr MyGetFileTypeAndCreator(const FSSpec* spec, OSType* type, OSType* creator) {
    return MyGetFileTypeAndCreator(spec->vRefNum, spec->parID, spec->name, type, creator);
}

OSErr MyGetFileTypeAndCreator(SInt16 vRefNum, SInt32 dirID, ConstStr255Param name, OSType* type,
                              OSType* creator) {
    HParamBlockRec pb;
    const OSErr err = GetFileInfoByName(vRefNum, dirID, name, &pb);
    *type = pb.fileParam.ioFlFndrInfo.fdType;
    *creator = pb.fileParam.ioFlFndrInfo.fdCreator;
    return err;
}

OSErr MyGetFinderFlagFileAttributes(const FSSpec* spec, UInt16* finderFlags, SInt16* attributes) {
    return MyGetFinderFlagFileAttributes(spec->vRefNum, spec->parID, spec->name, finderFlags,
                                         attributes);
}

OSErr MyGetFinderFlagFileAttributes(SInt16 vRefNum, SInt32 dirID, ConstStr255Param name,
                                    UInt16* finderFlags, SInt16* attributes) {
    HParamBlockRec pb;
    const OSErr err = GetFileInfoByName(vRefNum, dirID, name, &pb);
    *finderFlags = pb.fileParam.ioFlFndrInfo.fdFlags;
    *attributes = UInt8(pb.fileParam.ioFlAttrib);
    return err;
}

OSErr MySetFinderFlagFileAttributes(const FSSpec* spec, UInt16 finderFlags, SInt16 attributes) {
    return MySetFinderFlagFileAttributes(spec->vRefNum, spec->parID, spec->name, finderFlags,
                                         attributes);
}

OSErr MySetFinderFlagFileAttributes(SInt16 vRefNum, SInt32 dirID, ConstStr255Param name,
                                    UInt16 finderFlags, SInt16 attributes) {
    return ChangeFileInfo(vRefNum, dirID, name, [&](HFileParam& info) {
        info.ioFlFndrInfo.fdFlags = finderFlags;
        info.ioFlAttrib = SInt8(attributes & 0xFF);
    });
}
