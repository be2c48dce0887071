#include "Korvane/DataStore/JAPrefs.h"

#include "Korvane/DataStore/JALocations.h"
#include "Korvane/DataStore/PrivilegedTools.h"
#include "Korvane/DataStore/WholeFile.h"
#include "Korvane/Shell/Globals.h"
#include "MorrowCommon_2/MyFindFolder.h"
#include "Platform/MacErrors.h"
#include "Utility/Utility.h"

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
        return noErr;
    }
    // The commit's helper makes a missing folder; here only the right is obtained. A refused
    // right is no failure: the commit then writes nothing.
    OSErr rightErr = check_permission(context);
    return AUTH_CREATEL_Flag ? rightErr : noErr;
}

OSErr check_permission(GlueRec* context) {
    OSErr err = CheckJAPaths(context);
    Boolean refused;
    if (err == noErr && !AUTH_CREATEL_Flag) err = ObtainJARight(&refused);
    return err;
}
