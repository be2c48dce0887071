#include "Korvane/DataStore/JAPrefs.h"

#include "Korvane/DataStore/JALocations.h"
#include "Korvane/DataStore/PrivilegedReplace.h"
#include "Korvane/DataStore/PrivilegedTools.h"
#include "Korvane/DataStore/UntakenLinesAlert.h"
#include "Korvane/DataStore/WholeFile.h"
#include "Korvane/Shell/Globals.h"
#include "Platform/Dialogs.h"
#include "Platform/MacErrors.h"
#include "Utility/Utility.h"

#include <cstdio>
#include <sys/stat.h>

namespace {

constexpr short kJAFileChangedAlert = 1013;
constexpr short kOverwriteItem = 2;
constexpr short kSaveAnywayItem = 2;

// The working copy must be the user's own file, not a link that would make the system file a copy
// of something else.
OSErr CheckWorkingCopy(const GlueRec* context) {
    const FSSpec& copy = context->tempFileSpec;
    char folder[1024], path[1300];
    OSErr err = FolderPath(copy.vRefNum, copy.parID, folder, sizeof folder);
    if (err != noErr) return err;
    std::snprintf(path, sizeof path, "%s/%.*s", folder, int(copy.name[0]), copy.name + 1);
    struct stat info;
    if (lstat(path, &info) != 0) return fnfErr;
    return S_ISREG(info.st_mode) ? noErr : permErr;
}

OSErr WriteJAPrefsFromTemporary(GlueRec* context, Boolean sandboxed) {
    ReleaseTextClass release(&context->tempText);
    OSErr err = sandboxed ? noErr : CheckWorkingCopy(context);
    if (err == noErr)
        err = ReadWholeFile(&context->tempFileSpec, &context->tempText, &context->tempTextLength,
                            memFullErr);
    // The file itself may be missing: the superuser's rename makes it.
    FSSpec jaFile;
    if (err == noErr &&
        (err = FSMakeFSSpec(context->jaFileSpec.vRefNum, context->jaFileSpec.parID,
                            context->jaFileSpec.name, &jaFile)) == fnfErr &&
        !sandboxed)
        err = noErr;
    if (err == noErr) context->jaFileSpec = jaFile;
    if (err == noErr)
        err = sandboxed ? ReplaceFileContents(&context->jaFileSpec, context->tempText,
                                              context->tempTextLength)
                        : ReplaceJAPrefsAsRoot(context, context->tempText, context->tempTextLength);
    if (err == noErr) {
        NoteJAFileIdentity(context->jaFilePath, context->tempText, context->tempTextLength,
                           &context->jaFileIdentity);
        context->jaUntaken = JAUntakenLines{0, 0}; // the file holds the list now
    }
    return err;
}

} // namespace

OSErr CopyFromTemporaryToJAPrefs(GlueRec* context) {
    // Someone saved the file after the list copied it: overwriting that is the person's choice.
    // Declining is answered like a refused right, so the changes stay and Save stays enabled.
    if (JAFileChangedSince(context->jaFilePath, &context->jaFileIdentity) &&
        CautionAlert(kJAFileChangedAlert, nullptr) != kOverwriteItem)
        return noErr;
    // So are lines of the file that the list could not keep as they stand.
    if (context->jaUntaken.count > 0 &&
        UntakenLinesAlert(context->jaUntaken, kReplaceUntakenLinesAlert) != kSaveAnywayItem)
        return noErr;
    return CommitWorkingCopy(context);
}

OSErr CommitWorkingCopy(GlueRec* context) {
    short unused;
    OSErr err = CreateOpenTmpFile(context, 0, 0, &unused);
    if (err == noErr && AUTH_CREATEL_Flag) err = WriteJAPrefsFromTemporary(context, IsSandboxed());
    ReleaseJARight();
    return err;
}
