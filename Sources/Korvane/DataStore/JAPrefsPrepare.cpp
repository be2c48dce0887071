#include "Korvane/DataStore/JAPrefs.h"

#include "Korvane/DataStore/JALocations.h"
#include "Korvane/DataStore/PrivilegedTools.h"
#include "Korvane/DataStore/WholeFile.h"
#include "Korvane/Shell/Globals.h"
#include "MorrowCommon_2/MyFindFolder.h"
#include "Platform/MacErrors.h"
#include "Utility/Utility.h"

namespace {

// Their statuses are not examined: the file calls that follow report what went wrong.
void CreateMissingJAItems(GlueRec* context, Boolean folderMissing, Boolean fileMissing) {
    if (folderMissing) {
        const char* arguments[] = {"-m", "go+w", context->jaFolderPath, nullptr};
        RunPrivilegedTool("/bin/mkdir", arguments, false);
    }
    if (fileMissing) {
        const char* arguments[] = {context->jaFilePath, nullptr};
        RunPrivilegedTool("/usr/bin/touch", arguments, false);
    }
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
    } else if (folderMissing || fileMissing) {
        Boolean refused = false;
        if (!AUTH_CREATEL_Flag && (err = ObtainJARight(&refused)) != noErr)
            return refused ? noErr : err;
        CreateMissingJAItems(context, folderMissing, fileMissing);
    }
    // Looked up again so that jaFileSpec points into a folder made just now. A folder still
    // missing fails the commit: jaFileSpec would otherwise name a file somewhere else.
    err = LookUpJAFolder(context);
    if (err != noErr) return err == fnfErr ? dirNFErr : err;
    if (!sandboxed) check_permission(context);
    return noErr;
}

OSErr check_permission(GlueRec* context) {
    OSErr err = CheckJAPaths(context);
    Boolean refused;
    if (err == noErr && !AUTH_CREATEL_Flag) err = ObtainJARight(&refused);
    if (err != noErr) return err;
    const char* arguments[] = {"go+w", context->jaFilePath, nullptr};
    return RunPrivilegedTool("/bin/chmod", arguments, true);
}
