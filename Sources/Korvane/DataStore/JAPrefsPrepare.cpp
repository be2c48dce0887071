#include "Korvane/DataStore/JAPrefs.h"

#include "Korvane/DataStore/JALocations.h"
#include "Korvane/DataStore/PrivilegedReplace.h"
#include "Korvane/DataStore/PrivilegedTools.h"
#include "Korvane/DataStore/WholeFile.h"
#include "Korvane/Shell/Globals.h"
#include "MorrowCommon_2/MyFindFolder.h"
#include "Platform/MacErrors.h"
#include "Utility/Utility.h"

namespace {

// Its status is not examined: the lookup that follows reports a folder still missing. A missing
// file is left to the commit, whose rename makes it.
void CreateMissingJAFolder(GlueRec* context) {
    const char* arguments[] = {"-m", "755", context->jaFolderPath, nullptr};
    RunPrivilegedTool("/bin/mkdir", arguments, false);
}

} // namespace

OSErr CreateOpenTmpFile(GlueRec* context, short, short, short*) {
    Boolean sandboxed = IsSandboxed();
    if (!sandboxed && CheckJAPaths(context) != noErr) return bdNamErr;
    Boolean folderMissing = true, fileMissing = true;
    OSErr err = LookUpJAFolder(context);
    if (err == noErr) {
        err = FindNamedFile(&context->jaFileSpec);
        if (err != noErr && err != fnfErr) return err;
        folderMissing = false;
        fileMissing = err == fnfErr;
    }
    if (sandboxed) {
        if (folderMissing) return dirNFErr;
        if (fileMissing && (err = FSpCreate(&context->jaFileSpec, kSettingsFileCreator,
                                            kSettingsFileType, kSettingsFileScript)) != noErr)
            return err;
        AUTH_CREATEL_Flag = true;
    } else if (folderMissing) {
        Boolean refused = false;
        if (!AUTH_CREATEL_Flag && (err = ObtainJARight(&refused)) != noErr)
            return refused ? noErr : err;
        if (folderMissing) CreateMissingJAFolder(context);
    }
    // Looked up again so that jaFileSpec points into a folder made just now. A folder still
    // missing fails the commit: jaFileSpec would otherwise name a file somewhere else.
    err = LookUpJAFolder(context);
    if (err != noErr) return err == fnfErr ? dirNFErr : err;
    // A refused right is no failure: the commit then writes nothing.
    if (!sandboxed && (err = check_permission(context)) != noErr && AUTH_CREATEL_Flag) return err;
    return noErr;
}

OSErr check_permission(GlueRec* context) {
    OSErr err = CheckJAPaths(context);
    Boolean refused;
    if (err == noErr && !AUTH_CREATEL_Flag) err = ObtainJARight(&refused);
    if (err != noErr) return err;
    return SecureJAFolder(context);
}
