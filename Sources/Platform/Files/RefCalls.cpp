// The FSRef calls: references made from paths, folder-and-name pairs and FSSpecs, catalog
// information, creation and deletion, and the fork calls that take a position.
#include "CatalogEntry.h"
#include "FinderInfoStore.h"
#include "ForkTable.h"
#include "ItemOperations.h"
#include "Location.h"
#include "NodeTable.h"
#include "Platform/Files.h"
#include "Platform/MacErrors.h"
#include "Platform/TextCommon.h"
#include "Unicode/UnicodeConversion.h"

#include <cstring>

using namespace platform;
using namespace platform::files;

namespace {

const char16_t kResourceForkName[] = u"RESOURCE_FORK";

// The path of a named item in the folder a reference names; -37 for a name that is not one.
Located ChildOf(const FSRef* parentRef, UniCharCount nameLength, const UniChar* name) {
    Located folder = LocateRef(parentRef);
    if (folder.err) return folder;
    if (!name && nameLength) return {paramErr, {}};
    auto leaf =
        Utf16ToUtf8(std::u16string_view(reinterpret_cast<const char16_t*>(name), nameLength));
    if (!leaf || !IsValidLeafName(*leaf)) return {bdNamErr, {}};
    return {noErr, JoinPath(folder.path, *leaf)};
}

void FillCatalogInfo(const CatalogEntry& entry, FSCatalogInfoBitmap which, FSCatalogInfo* info) {
    if (which & kFSCatInfoNodeFlags)
        info->nodeFlags = UInt16((entry.isFolder ? kFSNodeIsDirectoryMask : 0) |
                                 (entry.locked ? kFSNodeLockedMask : 0));
    if (which & kFSCatInfoVolume) info->volume = Volumes().VolumeForPath(entry.path);
    if (which & kFSCatInfoParentDirID) info->parentDirID = UInt32(entry.parentID);
    if (which & kFSCatInfoNodeID) info->nodeID = UInt32(entry.nodeID);
    if (which & kFSCatInfoFinderInfo) std::memcpy(info->finderInfo, entry.finderInfo.data(), 16);
    if (which & kFSCatInfoFinderXInfo)
        std::memcpy(info->extFinderInfo, entry.finderInfo.data() + 16, 16);
    if (which & kFSCatInfoDataSizes) {
        info->dataLogicalSize = UInt64(entry.dataLength);
        info->dataPhysicalSize = UInt64(entry.dataPhysical);
    }
    if (which & kFSCatInfoRsrcSizes) {
        info->rsrcLogicalSize = UInt64(entry.rsrcLength);
        info->rsrcPhysicalSize = entry.rsrcLength ? UInt64(PhysicalLength(entry.rsrcLength)) : 0;
    }
    if (which & kFSCatInfoTextEncoding) info->textEncodingHint = kTextEncodingUTF8;
}

OSErr StoreUnicodeName(const std::string& path, HFSUniStr255* outName) {
    auto name = Utf8ToUtf16(path == "/" ? "" : LeafName(path));
    if (!name || name->size() > 255) return bdNamErr;
    outName->length = UInt16(name->size());
    std::memcpy(outName->unicode, name->data(), name->size() * sizeof(UniChar));
    return noErr;
}

// A locked file's Finder information cannot change: a lock this call takes off comes off first,
// one it puts on goes on last.
OSErr ApplyCatalogInfo(const std::string& path, FSCatalogInfoBitmap which,
                       const FSCatalogInfo* info) {
    if (!info) return which ? paramErr : noErr;
    const bool flags = which & kFSCatInfoNodeFlags, locking = info->nodeFlags & kFSNodeLockedMask;
    if (flags && !locking)
        if (OSErr err = SetLocked(path, false)) return err;
    if (which & (kFSCatInfoFinderInfo | kFSCatInfoFinderXInfo)) {
        CatalogEntry entry;
        if (OSErr err = ReadCatalogEntry(path, &entry)) return err;
        AppleDouble::FinderInfo finder = entry.finderInfo;
        if (which & kFSCatInfoFinderInfo) std::memcpy(finder.data(), info->finderInfo, 16);
        if (which & kFSCatInfoFinderXInfo) std::memcpy(finder.data() + 16, info->extFinderInfo, 16);
        if (OSErr err = WriteFinderInfo(path, finder)) return err;
    }
    return flags && locking ? SetLocked(path, true) : noErr;
}

OpenFork* PositionedFork(SInt16 refNum, UInt16 mode, SInt64 offset) {
    OpenFork* open = Forks().Find(refNum);
    if (!open) return nullptr;
    if ((mode & 3) == fsFromStart)
        open->mark = offset;
    else if ((mode & 3) == fsFromMark)
        open->mark += offset;
    else if ((mode & 3) == fsFromLEOF) {
        SInt64 length = 0;
        open->fork->GetLength(&length);
        open->mark = length + offset;
    }
    return open;
}

} // namespace

OSErr FSPathMakeRef(const UInt8* path, FSRef* ref, Boolean* isDirectory) {
    if (!path || !ref) return paramErr;
    std::string text = reinterpret_cast<const char*>(path);
    // There is no current folder: a relative path names nothing.
    if (text.empty() || text[0] != '/') return fnfErr;
    CatalogEntry entry;
    if (OSErr err = ReadCatalogEntry(NormalPath(text), &entry)) return err;
    MakeRef(entry.path, ref);
    if (isDirectory) *isDirectory = entry.isFolder;
    return noErr;
}

OSErr FSpMakeFSRef(const FSSpec* source, FSRef* newRef) {
    Located item = LocateSpec(source);
    CatalogEntry entry;
    OSErr err = item.err ? item.err : ReadCatalogEntry(item.path, &entry);
    if (err == noErr && newRef) MakeRef(item.path, newRef);
    return newRef ? err : paramErr;
}

OSErr FSRefMakePath(const FSRef* ref, UInt8* path, UInt32 maxPathSize) {
    Located item = LocateRef(ref);
    if (item.err) return item.err;
    if (!path || item.path.size() + 1 > maxPathSize) return paramErr;
    std::memcpy(path, item.path.c_str(), item.path.size() + 1);
    return noErr;
}

OSErr FSGetCatalogInfo(const FSRef* ref, FSCatalogInfoBitmap whichInfo, FSCatalogInfo* catalogInfo,
                       HFSUniStr255* outName, FSSpec* fsSpec, FSRef* parentRef) {
    Located item = LocateRef(ref);
    CatalogEntry entry;
    OSErr err = item.err ? item.err : ReadCatalogEntry(item.path, &entry);
    if (err) return err;
    if (catalogInfo) FillCatalogInfo(entry, whichInfo, catalogInfo);
    if (outName && (err = StoreUnicodeName(item.path, outName))) return err;
    if (fsSpec && (err = MakeSpec(item.path, fsSpec))) return err;
    if (parentRef) MakeRef(ParentPath(item.path), parentRef);
    return noErr;
}

OSErr FSSetCatalogInfo(const FSRef* ref, FSCatalogInfoBitmap whichInfo,
                       const FSCatalogInfo* catalogInfo) {
    Located item = LocateRef(ref);
    return item.err ? item.err : ApplyCatalogInfo(item.path, whichInfo, catalogInfo);
}

OSErr FSMakeFSRefUnicode(const FSRef* parentRef, UniCharCount nameLength, const UniChar* name,
                         TextEncoding, FSRef* newRef) {
    Located item = ChildOf(parentRef, nameLength, name);
    CatalogEntry entry;
    OSErr err = item.err ? item.err : ReadCatalogEntry(item.path, &entry);
    if (err == noErr && newRef) MakeRef(item.path, newRef);
    return newRef ? err : paramErr;
}

OSErr FSCreateFileUnicode(const FSRef* parentRef, UniCharCount nameLength, const UniChar* name,
                          FSCatalogInfoBitmap whichInfo, const FSCatalogInfo* catalogInfo,
                          FSRef* newRef, FSSpec* newSpec) {
    Located item = ChildOf(parentRef, nameLength, name);
    if (item.err) return item.err;
    if (OSErr err = CreateEmptyFile(item.path)) return err;
    if (OSErr err = ApplyCatalogInfo(item.path, whichInfo, catalogInfo)) return err;
    if (newRef) MakeRef(item.path, newRef);
    return newSpec ? MakeSpec(item.path, newSpec) : noErr;
}

OSErr FSDeleteObject(const FSRef* ref) {
    Located item = LocateRef(ref);
    return item.err ? item.err : DeleteItem(item.path);
}

OSErr FSGetDataForkName(HFSUniStr255* dataForkName) {
    if (!dataForkName) return paramErr;
    dataForkName->length = 0;
    return noErr;
}

OSErr FSOpenFork(const FSRef* ref, UniCharCount forkNameLength, const UniChar* forkName,
                 SInt8 permissions, SInt16* forkRefNum) {
    Located item = LocateRef(ref);
    if (item.err) return item.err;
    std::u16string_view fork(reinterpret_cast<const char16_t*>(forkName),
                             forkName ? forkNameLength : 0);
    bool resource = fork == kResourceForkName;
    if (!fork.empty() && !resource) return paramErr;
    return Forks().Open(item.path, resource, permissions, forkRefNum);
}

// Moves the mark, then writes as FSWrite does.
OSErr FSWriteFork(SInt16 forkRefNum, UInt16 positionMode, SInt64 positionOffset,
                  ByteCount requestCount, const void* buffer, ByteCount* actualCount) {
    if (actualCount) *actualCount = 0;
    OpenFork* open = PositionedFork(forkRefNum, positionMode, positionOffset);
    if (!open) return rfNumErr;
    if (open->mark < 0) return posErr;
    SInt32 count = SInt32(requestCount);
    OSErr err = FSWrite(forkRefNum, &count, buffer);
    if (actualCount) *actualCount = ByteCount(count);
    return err;
}
