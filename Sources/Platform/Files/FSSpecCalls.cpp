// The FSSpec calls: naming, creating, deleting and unlocking files.
#include "CatalogEntry.h"
#include "FinderInfoStore.h"
#include "ItemOperations.h"
#include "Location.h"
#include "NodeTable.h"
#include "Platform/Files.h"
#include "Platform/MacErrors.h"

#include <cstring>

using namespace platform::files;

OSErr FSMakeFSSpec(SInt16 vRefNum, SInt32 dirID, ConstStr255Param fileName, FSSpec* spec) {
    if (!spec) return paramErr;
    Located item = LocateItem(vRefNum, dirID, fileName);
    if (item.err) return item.err;
    std::string leaf = platform::FromPascal(fileName);
    if (leaf.empty()) return MakeSpec(item.path, spec); // the folder itself
    if (leaf.size() > 63) return bdNamErr;
    spec->vRefNum = Volumes().VolumeForPath(ParentPath(item.path));
    spec->parID = FolderIdOf(ParentPath(item.path));
    platform::ToPascal(leaf, spec->name);
    CatalogEntry entry;
    return ReadCatalogEntry(item.path, &entry) == noErr ? noErr : fnfErr;
}

OSErr FSpCreate(const FSSpec* spec, OSType creator, OSType fileType, ScriptCode) {
    Located item = LocateSpec(spec);
    if (!item.err && spec->name[0] == 0) item.err = bdNamErr;
    if (item.err) return item.err;
    if (OSErr err = CreateEmptyFile(item.path)) return err;
    AppleDouble::FinderInfo info{};
    FInfoToBytes(FInfo{fileType, creator, 0, {0, 0}, 0}, info.data());
    return WriteFinderInfo(item.path, info);
}

OSErr FSpDelete(const FSSpec* spec) {
    Located item = LocateSpec(spec);
    if (!item.err && spec->name[0] == 0) item.err = bdNamErr;
    return item.err ? item.err : DeleteItem(item.path);
}

OSErr FSpRstFLock(const FSSpec* spec) {
    Located item = LocateSpec(spec);
    return item.err ? item.err : SetLocked(item.path, false);
}
