// The catalog parameter-block calls: describing, creating and changing items.
#include "CatalogEntry.h"
#include "FinderInfoStore.h"
#include "ItemOperations.h"
#include "Location.h"
#include "NodeTable.h"
#include "Platform/Files.h"
#include "Platform/MacErrors.h"

#include <cstring>

using namespace platform::files;

namespace {

void StoreName(const std::string& path, StringPtr name) {
    if (!name) return;
    platform::ToPascal(path == "/" ? "" : LeafName(path), name);
}

SInt8 AttributesOf(const CatalogEntry& entry) {
    return SInt8((entry.isFolder ? kioFlAttribDirMask : 0) |
                 (entry.locked ? kioFlAttribLockedMask : 0));
}

void FillFileInfo(const CatalogEntry& entry, HFileInfo& info) {
    info.ioFlAttrib = AttributesOf(entry);
    info.ioFlFndrInfo = FInfoFromBytes(entry.finderInfo.data());
    info.ioDirID = entry.nodeID; // a file's own number, as the original platform reported it
    info.ioFlStBlk = info.ioFlRStBlk = 0;
    info.ioFlLgLen = SInt32(entry.dataLength);
    info.ioFlPyLen = SInt32(entry.dataPhysical);
    info.ioFlRLgLen = SInt32(entry.rsrcLength);
    info.ioFlRPyLen = entry.rsrcLength ? PhysicalLength(entry.rsrcLength) : 0;
    info.ioFlCrDat = entry.created;
    info.ioFlMdDat = entry.modified;
    info.ioFlBkDat = 0;
    info.ioFlXFndrInfo = FXInfoFromBytes(entry.finderInfo.data() + 16);
    info.ioFlParID = entry.parentID;
    info.ioFlClpSiz = 0;
}

void FillFolderInfo(const CatalogEntry& entry, DirInfo& info) {
    info.ioFlAttrib = AttributesOf(entry);
    info.ioDrUsrWds = DInfoFromBytes(entry.finderInfo.data());
    info.ioDrDirID = entry.nodeID;
    info.ioDrNmFls = entry.folderItems;
    info.ioDrCrDat = entry.created;
    info.ioDrMdDat = entry.modified;
    info.ioDrBkDat = 0;
    info.ioDrFndrInfo = DXInfoFromBytes(entry.finderInfo.data() + 16);
    info.ioDrParID = entry.parentID;
}

// The item an indexed call names: the index-th visible entry of the folder, 1-based.
Located IndexedItem(SInt16 vRefNum, SInt32 dirID, SInt16 index, bool filesOnly) {
    Located folder = LocateFolder(vRefNum, dirID);
    if (folder.err) return folder;
    SInt16 seen = 0;
    for (const std::string& name : ListFolder(folder.path)) {
        std::string path = JoinPath(folder.path, name);
        CatalogEntry entry;
        if (ReadCatalogEntry(path, &entry) != noErr || (filesOnly && entry.isFolder)) continue;
        if (++seen == index) return {noErr, path};
    }
    return {fnfErr, {}};
}

Located CatalogTarget(CInfoPBRec& pb) {
    HFileInfo& h = pb.hFileInfo;
    if (h.ioFDirIndex > 0) return IndexedItem(h.ioVRefNum, h.ioDirID, h.ioFDirIndex, false);
    if (h.ioFDirIndex < 0) return LocateFolder(h.ioVRefNum, pb.dirInfo.ioDrDirID);
    return LocateItem(h.ioVRefNum, h.ioDirID, h.ioNamePtr);
}

Located FileTarget(HFileParam& f) {
    if (f.ioFDirIndex > 0) return IndexedItem(f.ioVRefNum, f.ioDirID, f.ioFDirIndex, true);
    return LocateItem(f.ioVRefNum, f.ioDirID, f.ioNamePtr);
}

// The by-name and indexed file calls speak of files only; a folder there is not found.
OSErr ReadFileEntry(const Located& item, CatalogEntry* entry) {
    if (item.err) return item.err;
    OSErr err = ReadCatalogEntry(item.path, entry);
    return err ? err : (entry->isFolder ? fnfErr : noErr);
}

} // namespace

OSErr PBGetCatInfoSync(CInfoPBPtr pb) {
    Located item = CatalogTarget(*pb);
    CatalogEntry entry;
    OSErr err = item.err ? item.err : ReadCatalogEntry(item.path, &entry);
    if (err) return pb->hFileInfo.ioResult = err;
    if (pb->hFileInfo.ioFDirIndex != 0) StoreName(item.path, pb->hFileInfo.ioNamePtr);
    pb->hFileInfo.ioFRefNum = 0;
    if (entry.isFolder)
        FillFolderInfo(entry, pb->dirInfo);
    else
        FillFileInfo(entry, pb->hFileInfo);
    return pb->hFileInfo.ioResult = noErr;
}

OSErr PBHGetFInfoSync(HParmBlkPtr pb) {
    HFileParam& f = pb->fileParam;
    Located item = FileTarget(f);
    CatalogEntry entry;
    if (OSErr err = ReadFileEntry(item, &entry)) return f.ioResult = err;
    if (f.ioFDirIndex > 0) StoreName(item.path, f.ioNamePtr);
    HFileInfo info{};
    FillFileInfo(entry, info);
    f.ioFRefNum = 0;
    f.ioFlAttrib = info.ioFlAttrib;
    f.ioFlFndrInfo = info.ioFlFndrInfo;
    f.ioDirID = info.ioDirID;
    f.ioFlStBlk = f.ioFlRStBlk = 0;
    f.ioFlLgLen = info.ioFlLgLen;
    f.ioFlPyLen = info.ioFlPyLen;
    f.ioFlRLgLen = info.ioFlRLgLen;
    f.ioFlRPyLen = info.ioFlRPyLen;
    f.ioFlCrDat = info.ioFlCrDat;
    f.ioFlMdDat = info.ioFlMdDat;
    return f.ioResult = noErr;
}

OSErr PBHSetFInfoSync(HParmBlkPtr pb) {
    HFileParam& f = pb->fileParam;
    Located item = LocateItem(f.ioVRefNum, f.ioDirID, f.ioNamePtr);
    CatalogEntry entry;
    if (OSErr err = ReadFileEntry(item, &entry)) return f.ioResult = err;
    if (entry.locked) return f.ioResult = fLckdErr;
    AppleDouble::FinderInfo info = entry.finderInfo;
    FInfoToBytes(f.ioFlFndrInfo, info.data());
    return f.ioResult = WriteFinderInfo(item.path, info);
}

OSErr PBHCreateSync(HParmBlkPtr pb) {
    HFileParam& f = pb->fileParam;
    Located item = LocateItem(f.ioVRefNum, f.ioDirID, f.ioNamePtr);
    if (!item.err && platform::FromPascal(f.ioNamePtr).empty()) item.err = bdNamErr;
    return f.ioResult = item.err ? item.err : CreateEmptyFile(item.path);
}
