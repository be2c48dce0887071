#include "Korvane/DataStore/JALocations.h"

#include "Korvane/Shell/GetStringFromPlist.h"
#include "MorrowCommon_2/MyPStrings.h"
#include "Platform/Folders.h"
#include "Platform/MacErrors.h"
#include "Platform/TextUtils.h"
#include "Utility/Utility.h"

#include <cstdio>
#include <cstring>

namespace {

// A name that stays inside its folder when joined to a path.
bool IsPlainName(const char* name) {
    return name[0] && std::strcmp(name, ".") != 0 && std::strcmp(name, "..") != 0 &&
           !std::strchr(name, '/');
}

bool Fits(int length, size_t fieldSize) {
    return length >= 0 && size_t(length) < fieldSize;
}

void ClearJAPaths(GlueRec* context) {
    context->jaFolderPath[0] = 0;
    context->jaFilePath[0] = 0;
}

// The file's folder and path in the Preferences folder prefsPath, into fields of the context's
// sizes; false, with both empty, when either does not fit.
bool ComposeJAPaths(const char* prefsPath, const char* oemName, const char* fileName,
                    char (&folder)[kJAFolderPathSize], char (&file)[kJAFilePathSize]) {
    const int folderLength = std::snprintf(folder, sizeof folder, "%s/%s", prefsPath, oemName);
    const int fileLength =
        std::snprintf(file, sizeof file, "%s/%s/%s", prefsPath, oemName, fileName);
    if (Fits(folderLength, sizeof folder) && Fits(fileLength, sizeof file)) return true;
    folder[0] = file[0] = 0;
    return false;
}

// The path of the file jaFileSpec names, in the folder at folderPath.
void PathOfFileIn(const char* folderPath, const GlueRec* context, char (&path)[kJAFilePathSize]) {
    std::snprintf(path, sizeof path, "%s/%.*s", folderPath, int(context->jaFileSpec.name[0]),
                  context->jaFileSpec.name + 1);
}

bool IsFileAt(const char* path) {
    FSRef ref;
    Boolean isFolder = false;
    return FSPathMakeRef(reinterpret_cast<const UInt8*>(path), &ref, &isFolder) == noErr &&
           !isFolder;
}

// The folder at path as a volume and folder ID.
OSErr LookUpFolderAt(const char* path, SInt16* vRefNum, SInt32* dirID) {
    FSRef ref;
    Boolean isFolder = false;
    OSErr err = FSPathMakeRef(reinterpret_cast<const UInt8*>(path), &ref, &isFolder);
    if (err != noErr) return err;
    if (!isFolder) return dupFNErr;
    FSCatalogInfo info;
    err = FSGetCatalogInfo(&ref, kFSCatInfoVolume | kFSCatInfoNodeID, &info, nullptr, nullptr,
                           nullptr);
    if (err != noErr) return err;
    *vRefNum = info.volume;
    *dirID = SInt32(info.nodeID);
    return noErr;
}

} // namespace

OSErr SetJAFileLocations(GlueRec* context) {
    ClearJAPaths(context);
    context->jaMoveFolderPath[0] = 0;
    char prefsPath[1024];
    if (!GetPreferencesFolderPathLocalDomain(prefsPath, sizeof prefsPath)) return dirNFErr;
    Str255 oemPascal, jaName;
    getPStringFromPlist(oemPascal, CFSTR("OEM Name"));
    getPStringFromPlist(jaName, CFSTR("Japrefs File Name"));
    char oemName[256], fileName[256];
    p2cstrcpy(oemName, oemPascal);
    p2cstrcpy(fileName, jaName);
    if (!IsPlainName(oemName) || !IsPlainName(fileName) || jaName[0] > 63) return bdNamErr;
    if (!ComposeJAPaths(prefsPath, oemName, fileName, context->jaFolderPath, context->jaFilePath))
        return bdNamErr;
    MyPStrCopy(jaName, context->jaFileSpec.name);
    // Until its first commit at the new place, a file that earlier versions kept is read where
    // it is; that commit moves it.
    char formerFolder[kJAFolderPathSize], formerFile[kJAFilePathSize];
    if (!IsFileAt(context->jaFilePath) &&
        GetFormerPreferencesFolderPathLocalDomain(prefsPath, sizeof prefsPath) &&
        ComposeJAPaths(prefsPath, oemName, fileName, formerFolder, formerFile) &&
        IsFileAt(formerFile)) {
        std::memcpy(context->jaMoveFolderPath, context->jaFolderPath, kJAFolderPathSize);
        std::memcpy(context->jaFolderPath, formerFolder, kJAFolderPathSize);
        std::memcpy(context->jaFilePath, formerFile, kJAFilePathSize);
    }
    return noErr;
}

void SettleJAFileLocation(GlueRec* context) {
    if (!context->jaMoveFolderPath[0]) return;
    std::memcpy(context->jaMovedFromPath, context->jaFilePath, kJAFilePathSize);
    PathOfFileIn(context->jaMoveFolderPath, context, context->jaFilePath);
    std::memcpy(context->jaFolderPath, context->jaMoveFolderPath, kJAFolderPathSize);
    context->jaMoveFolderPath[0] = 0;
    // On failure jaFileSpec keeps its folder; every reader looks the folder up again anyway.
    LookUpJAFolder(context);
}

void FollowMovedJAFile(GlueRec* context) {
    if (!context->jaMoveFolderPath[0]) return;
    char moved[kJAFilePathSize];
    PathOfFileIn(context->jaMoveFolderPath, context, moved);
    if (!IsFileAt(moved)) return;
    SettleJAFileLocation(context);
    context->jaMovedFromPath[0] = 0;
}

OSErr CheckJAPaths(const GlueRec* context) {
    bool whole = context->jaFolderPath[0] && context->jaFilePath[0] &&
                 std::memchr(context->jaFolderPath, 0, sizeof context->jaFolderPath) &&
                 std::memchr(context->jaFilePath, 0, sizeof context->jaFilePath);
    return whole ? noErr : bdNamErr;
}

OSErr LookUpJAFolder(GlueRec* context) {
    Str255 oemName;
    getPStringFromPlist(oemName, CFSTR("OEM Name"));
    // An empty name would name the Preferences folder itself.
    if (oemName[0] == 0) return fnfErr;
    SInt16 vRefNum;
    SInt32 dirID;
    OSErr err = FindFolder(kLocalDomain, kPreferencesFolderType, kCreateFolder, &vRefNum, &dirID);
    if (err != noErr) return err;
    if (context->jaMoveFolderPath[0])
        return LookUpFolderAt(context->jaFolderPath, &context->jaFileSpec.vRefNum,
                              &context->jaFileSpec.parID);
    CInfoPBRec pb = {};
    pb.hFileInfo.ioNamePtr = oemName;
    pb.hFileInfo.ioVRefNum = vRefNum;
    pb.hFileInfo.ioFDirIndex = 0;
    pb.hFileInfo.ioDirID = dirID;
    err = PBGetCatInfoSync(&pb);
    if (err != noErr) return err;
    if (!(pb.dirInfo.ioFlAttrib & kioFlAttribDirMask)) return dupFNErr;
    context->jaFileSpec.vRefNum = vRefNum;
    context->jaFileSpec.parID = pb.dirInfo.ioDrDirID;
    return noErr;
}

OSErr FolderPath(SInt16 vRefNum, SInt32 dirID, char* path, UInt32 pathSize) {
    FSSpec folder;
    FSRef ref;
    OSErr err = FSMakeFSSpec(vRefNum, dirID, reinterpret_cast<ConstStr255Param>("\0"), &folder);
    if (err == noErr) err = FSpMakeFSRef(&folder, &ref);
    if (err == noErr) err = FSRefMakePath(&ref, reinterpret_cast<UInt8*>(path), pathSize);
    return err;
}

OSErr ItemPath(const FSSpec* spec, char* path, UInt32 pathSize) {
    char folder[1024];
    OSErr err = FolderPath(spec->vRefNum, spec->parID, folder, sizeof folder);
    if (err != noErr) return err;
    const int written =
        std::snprintf(path, pathSize, "%s/%.*s", folder, int(spec->name[0]), spec->name + 1);
    return written < 0 || UInt32(written) >= pathSize ? bdNamErr : noErr;
}
