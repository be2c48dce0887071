#include "MorrowCommon_2/MyEasyNavStdGetFile.h"

#include "FileParamBlocks.h"
#include "MorrowCommon_2/GetFoldersNameAndParDirID.h"
#include "Platform/MacErrors.h"
#include "Platform/MacMemory.h"
#include "Platform/Navigation.h"

namespace {

constexpr Size kTypeListHeaderSize = 8;

// The generic signature, a reserved 0, the count and the types; null when there is nothing to
// list them from or no memory.
NavTypeListHandle NewTypeList(SInt16 numTypes, const OSType* typeList) {
    if (numTypes < 0 || (numTypes > 0 && !typeList)) return nullptr;
    const Size typesSize = Size(numTypes) * Size(sizeof(OSType));
    Handle handle = NewHandleClear(kTypeListHeaderSize + typesSize);
    if (!handle) return nullptr;
    NavTypeListHandle list = reinterpret_cast<NavTypeListHandle>(handle);
    (*list)->componentSignature = kNavGenericSignature;
    (*list)->reserved = 0;
    (*list)->osTypeCount = numTypes;
    if (typesSize > 0) BlockMoveData(typeList, *handle + kTypeListHeaderSize, typesSize);
    return list;
}

// An 'fss ' descriptor of the folder itself: its name, in its parent.
OSErr NewFolderLocation(SInt16 vRefNum, SInt32 dirID, AEDesc* location) {
    FSSpec folder{};
    folder.vRefNum = vRefNum;
    folder.parID = dirID;
    const OSErr err = GetFoldersNameAndParDirID(&folder);
    if (err != noErr) return err;
    return AECreateDesc(typeFSS, &folder, sizeof folder, location);
}

// The first item of the selection as an FSSpec, and its Finder information. A selection that
// cannot be taken as one chooses nothing.
Boolean TakeChosenFile(const NavReplyRecord& navReply, StandardFileReply* reply) {
    AEDesc item = {typeNull, nullptr};
    OSErr err = AEGetNthDesc(&navReply.selection, 1, typeFSS, nullptr, &item);
    if (err == noErr && AEGetDescDataSize(&item) != Size(sizeof reply->sfFile)) err = paramErr;
    if (err == noErr) err = AEGetDescData(&item, &reply->sfFile, sizeof reply->sfFile);
    AEDisposeDesc(&item);
    if (err != noErr) return false;
    reply->sfScript = navReply.keyScript;
    reply->sfIsFolder = false;
    reply->sfIsVolume = false;
    HParamBlockRec pb;
    err = GetFileInfoByName(reply->sfFile.vRefNum, reply->sfFile.parID, reply->sfFile.name, &pb);
    reply->sfType = pb.fileParam.ioFlFndrInfo.fdType;
    reply->sfFlags = err == noErr ? SInt16(pb.fileParam.ioFlFndrInfo.fdFlags) : 0;
    return true;
}

// Exactly one file, and with a type list no type popup. A cancel is no choice.
void ChooseOneFile(StandardFileReply* reply, AEDesc* location, NavTypeListHandle types,
                   Boolean* translationNeeded) {
    NavDialogOptions options;
    NavGetDefaultDialogOptions(&options);
    if (types) options.dialogOptionFlags |= kNavNoTypePopup | kNavSelectAllReadableItem;
    options.dialogOptionFlags &= ~kNavAllowMultipleFiles;
    NavReplyRecord navReply;
    const OSErr err =
        NavGetFile(location, &navReply, &options, nullptr, nullptr, nullptr, types, nullptr);
    if (err == noErr && navReply.validRecord) {
        reply->sfGood = TakeChosenFile(navReply, reply);
        if (reply->sfGood && navReply.translationNeeded) *translationNeeded = true;
    }
    NavDisposeReply(&navReply);
}

} // namespace

void MyEasyNavStdGetFile(StandardFileReply* reply, SInt16* vRefNum, SInt32* dirID,
                         Boolean* translationNeeded, SInt16 numTypes, const OSType* typeList) {
    reply->sfGood = false;
    *translationNeeded = false;
    NavTypeListHandle types = nullptr;
    AEDesc location = {typeNull, nullptr};
    OSErr err = noErr;
    if (numTypes != -1) {
        types = NewTypeList(numTypes, typeList);
        if (!types) err = memFullErr;
    }
    const Boolean startsInFolder = vRefNum && dirID;
    if (err == noErr && startsInFolder) err = NewFolderLocation(*vRefNum, *dirID, &location);
    if (err == noErr)
        ChooseOneFile(reply, startsInFolder ? &location : nullptr, types, translationNeeded);
    DisposeHandle(reinterpret_cast<Handle>(types));
    AEDisposeDesc(&location);
}
