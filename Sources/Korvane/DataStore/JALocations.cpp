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

} // namespace

OSErr SetJAFileLocations(GlueRec* context) {
    ClearJAPaths(context);
    char prefsPath[1024];
    if (!GetPreferencesFolderPathLocalDomain(prefsPath, sizeof prefsPath)) return dirNFErr;
    Str255 oemPascal, jaName;
    getPStringFromPlist(oemPascal, CFSTR("OEM Name"));
    getPStringFromPlist(jaName, CFSTR("Japrefs File Name"));
    char oemName[256], fileName[256];
    p2cstrcpy(oemName, oemPascal);
    p2cstrcpy(fileName, jaName);
    if (!IsPlainName(oemName) || !IsPlainName(fileName) || jaName[0] > 63) return bdNamErr;
    int folderLength = std::snprintf(context->jaFolderPath, sizeof context->jaFolderPath, "%s/%s",
                                     prefsPath, oemName);
    int fileLength = std::snprintf(context->jaFilePath, sizeof context->jaFilePath, "%s/%s/%s",
                                   prefsPath, oemName, fileName);
    if (!Fits(folderLength, sizeof context->jaFolderPath) ||
        !Fits(fileLength, sizeof context->jaFilePath)) {
        ClearJAPaths(context);
        return bdNamErr;
    }
    MyPStrCopy(jaName, context->jaFileSpec.name);
    return noErr;
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
