#include "CatalogEntry.h"

#include "FileErrors.h"
#include "FinderInfoStore.h"
#include "NodeTable.h"
#include "Platform/MacErrors.h"
#include "Support/BigEndian.h"

#include <algorithm>
#include <cerrno>
#include <dirent.h>
#include <memory>
#include <sys/stat.h>

namespace platform::files {

namespace {

constexpr SInt64 kMacEpochOffset = 2082844800; // 1904-01-01 to 1970-01-01

UInt32 MacSeconds(time_t unixSeconds) {
    return UInt32(SInt64(unixSeconds) + kMacEpochOffset);
}

Point PointFromBytes(const UInt8* p) {
    return Point{SInt16(Big16(p)), SInt16(Big16(p + 2))};
}

} // namespace

SInt32 PhysicalLength(SInt64 logical) {
    return SInt32((logical + 511) / 512 * 512);
}

OSErr ReadCatalogEntry(const std::string& path, CatalogEntry* entry) {
    struct stat info;
    if (stat(path.c_str(), &info) != 0) return ErrnoToOSErr(errno);
    entry->path = path;
    entry->isFolder = S_ISDIR(info.st_mode);
    entry->locked = !entry->isFolder && !(info.st_mode & S_IWUSR);
    entry->nodeID = Nodes().IdForPath(path);
    entry->parentID = path == "/" ? fsRtParID : Nodes().IdForPath(ParentPath(path));
    entry->dataLength = entry->isFolder ? 0 : SInt64(info.st_size);
    entry->dataPhysical = entry->isFolder ? 0 : SInt64(info.st_blocks) * 512;
    entry->created = MacSeconds(info.st_ctime);
    entry->modified = MacSeconds(info.st_mtime);
    entry->folderItems =
        entry->isFolder ? UInt16(std::min<size_t>(ListFolder(path).size(), 65535)) : 0;
    AppleDouble sidecar = AppleDouble::Load(path);
    entry->finderInfo = ReadFinderInfo(path, sidecar);
    const std::vector<UInt8>* rsrc = sidecar.Entry(kAppleDoubleResourceFork);
    entry->rsrcLength = rsrc ? SInt64(rsrc->size()) : 0;
    return noErr;
}

std::vector<std::string> ListFolder(const std::string& path) {
    std::vector<std::string> names;
    std::unique_ptr<DIR, int (*)(DIR*)> folder(opendir(path.c_str()), closedir);
    if (!folder) return names;
    while (dirent* item = readdir(folder.get())) {
        std::string name = item->d_name;
        if (name != "." && name != ".." && !IsSidecarName(name)) names.push_back(name);
    }
    std::sort(names.begin(), names.end());
    return names;
}

FInfo FInfoFromBytes(const UInt8* b) {
    return FInfo{Big32(b), Big32(b + 4), Big16(b + 8), PointFromBytes(b + 10),
                 SInt16(Big16(b + 14))};
}

void FInfoToBytes(const FInfo& info, UInt8* b) {
    PutBig32(b, info.fdType);
    PutBig32(b + 4, info.fdCreator);
    PutBig16(b + 8, info.fdFlags);
    PutBig16(b + 10, UInt16(info.fdLocation.v));
    PutBig16(b + 12, UInt16(info.fdLocation.h));
    PutBig16(b + 14, UInt16(info.fdFldr));
}

FXInfo FXInfoFromBytes(const UInt8* b) {
    FXInfo info{};
    info.fdIconID = SInt16(Big16(b));
    for (ptrdiff_t i = 0; i < 3; ++i)
        info.fdReserved[i] = SInt16(Big16(b + 2 + 2 * i));
    info.fdScript = SInt8(b[8]);
    info.fdXFlags = SInt8(b[9]);
    info.fdComment = SInt16(Big16(b + 10));
    info.fdPutAway = SInt32(Big32(b + 12));
    return info;
}

void FXInfoToBytes(const FXInfo& info, UInt8* b) {
    PutBig16(b, UInt16(info.fdIconID));
    for (ptrdiff_t i = 0; i < 3; ++i)
        PutBig16(b + 2 + 2 * i, UInt16(info.fdReserved[i]));
    b[8] = UInt8(info.fdScript);
    b[9] = UInt8(info.fdXFlags);
    PutBig16(b + 10, UInt16(info.fdComment));
    PutBig32(b + 12, UInt32(info.fdPutAway));
}

DInfo DInfoFromBytes(const UInt8* b) {
    Rect frame{SInt16(Big16(b)), SInt16(Big16(b + 2)), SInt16(Big16(b + 4)), SInt16(Big16(b + 6))};
    return DInfo{frame, Big16(b + 8), PointFromBytes(b + 10), SInt16(Big16(b + 14))};
}

DXInfo DXInfoFromBytes(const UInt8* b) {
    return DXInfo{PointFromBytes(b), SInt32(Big32(b + 4)),  SInt8(b[8]),
                  SInt8(b[9]),       SInt16(Big16(b + 10)), SInt32(Big32(b + 12))};
}

} // namespace platform::files
