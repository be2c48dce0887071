// Opening, creating, updating and closing resource files, and choosing the current one.
#include "Files/ForkTable.h"
#include "Files/Location.h"
#include "Platform/MacErrors.h"
#include "Platform/Resources.h"
#include "Resources/ResourceChain.h"
#include "Resources/ResourceFileIO.h"

using namespace platform::resources;
using platform::files::Forks;
using platform::files::Located;
using platform::files::LocateItem;

namespace {

OSErr CreateFileIfMissing(SInt16 vRefNum, SInt32 dirID, ConstStr255Param fileName) {
    HParamBlockRec pb{};
    pb.fileParam.ioNamePtr = const_cast<StringPtr>(fileName);
    pb.fileParam.ioVRefNum = vRefNum;
    pb.fileParam.ioDirID = dirID;
    OSErr err = PBHCreateSync(&pb);
    return err == dupFNErr ? noErr : err;
}

// Gives an empty resource fork an empty map; one that holds data is left alone.
OSErr WriteEmptyMap(const std::string& path) {
    SInt16 refNum;
    if (OSErr err = Forks().Open(path, true, fsRdWrPerm, &refNum)) return err;
    SInt32 length = 0;
    OSErr err = GetEOF(refNum, &length);
    if (err == noErr)
        err = length > 0 ? dupFNErr : WriteResourceFork(refNum, SerializeResourceFile({}));
    OSErr closeErr = FSClose(refNum);
    return err ? err : closeErr;
}

// A new file goes on top of the chain; one that is open already keeps its place.
OSErr OpenOnChain(ResourceChain& chain, const std::string& path, SInt8 permission, SInt16* refNum) {
    if (OpenResourceFile* open = chain.FileAtPath(path)) {
        *refNum = open->refNum;
        return noErr;
    }
    OSErr err = Forks().Open(path, true, permission, refNum);
    return err ? err : chain.Push(*refNum);
}

} // namespace

SInt16 CurResFile() {
    return Chain().CurrentRefNum();
}

void UseResFile(SInt16 refNum) {
    SetResError(Chain().MakeCurrent(refNum) ? noErr : resFNotFound);
}

void HCreateResFile(SInt16 vRefNum, SInt32 dirID, ConstStr255Param fileName) {
    ResourceChain& chain = Chain();
    Located item = LocateItem(vRefNum, dirID, fileName);
    OSErr err = item.err;
    if (err == noErr && chain.FileAtPath(item.path)) err = dupFNErr;
    if (err == noErr) err = CreateFileIfMissing(vRefNum, dirID, fileName);
    if (err == noErr) err = WriteEmptyMap(item.path);
    SetResError(err);
}

SInt16 HOpenResFile(SInt16 vRefNum, SInt32 dirID, ConstStr255Param fileName, SInt8 permission) {
    ResourceChain& chain = Chain();
    Located item = LocateItem(vRefNum, dirID, fileName);
    SInt16 refNum = -1;
    OSErr err = item.err ? item.err : OpenOnChain(chain, item.path, permission, &refNum);
    SetResError(err);
    return err ? -1 : refNum;
}

void CloseResFile(SInt16 refNum) {
    ResourceChain& chain = Chain();
    OpenResourceFile* file = chain.File(refNum);
    if (!file)
        SetResError(resFNotFound);
    else
        SetResError(chain.IsSystem(*file) ? noErr : chain.Close(*file));
}
