#include "Korvane/DataStore/JAPrefs.h"

#include "Korvane/DataStore/CommitAudit.h"
#include "Korvane/DataStore/JALocations.h"
#include "Korvane/DataStore/MovedFileAlert.h"
#include "Korvane/DataStore/PrivilegedTools.h"
#include "Korvane/DataStore/UntakenLinesAlert.h"
#include "Korvane/DataStore/WholeFile.h"
#include "Korvane/Shell/Globals.h"
#include "Platform/Dialogs.h"
#include "Platform/HostFiles.h"
#include "Platform/MacErrors.h"
#include "Platform/PrivilegedCommit.h"
#include "Platform/TextUtils.h"
#include "Utility/Utility.h"

namespace {

constexpr short kJAFileChangedAlert = 1013;
constexpr short kOverwriteItem = 2;
constexpr short kSaveAnywayItem = 2;

// The working copy must be the user's own file, not a link that would make the system file a copy
// of something else.
OSErr CheckWorkingCopy(const GlueRec* context) {
    char path[1300];
    OSErr err = ItemPath(&context->tempFileSpec, path, sizeof path);
    return err != noErr ? err : PlatformCheckPlainFile(path);
}

// The one privileged step: the helper replaces the file when it is still what the list was read
// from (or whatever it is, when overwriting was chosen). The file's type and creator go in its
// sidecar, written where it is missing. A file still at its former place moves with it.
OSErr CommitAsRoot(GlueRec* context, Boolean overwrite) {
    FollowMovedJAFile(context);
    Str255 sidecarName;
    UInt8 sidecar[kFinderInfoSidecarSize];
    SInt32 sidecarLength;
    OSErr err = PlatformFinderInfoSidecar(context->jaFileSpec.name, kSettingsFileCreator,
                                          kSettingsFileType, sidecarName, sidecar, &sidecarLength);
    if (err != noErr) return err;
    char name[256], sidecarText[256];
    CopyPascalStringToC(context->jaFileSpec.name, name);
    CopyPascalStringToC(sidecarName, sidecarText);
    PlatformFileIdentity written{};
    const bool moving = context->jaMoveFolderPath[0] != 0;
    const OSStatus status = PlatformCommitWithPrivileges(
        myAuthorizationRef, moving ? context->jaMoveFolderPath : context->jaFolderPath,
        moving ? context->jaFolderPath : nullptr, name,
        overwrite ? nullptr : &context->jaFileIdentity, context->tempText, context->tempTextLength,
        sidecarText, sidecar, sidecarLength, &written);
    // A file in place is noted whatever follows, so the next Save knows it as this run's own.
    if (status == errAuthorizationSuccess || status == kPlatformCommitNotFlushedErr) {
        NoteCommittedJAFileIdentity(written, context->tempText, context->tempTextLength,
                                    &context->jaFileIdentity);
        SettleJAFileLocation(context);
    }
    return LowWord(status);
}

OSErr WriteJAPrefsFromTemporary(GlueRec* context, Boolean sandboxed, Boolean overwrite) {
    ReleaseTextClass release(&context->tempText);
    OSErr err = sandboxed ? noErr : CheckWorkingCopy(context);
    if (err == noErr)
        err = ReadWholeFile(&context->tempFileSpec, &context->tempText, &context->tempTextLength,
                            memFullErr);
    if (err != noErr) return err;
    CommitAuditClass audit(context);
    if (sandboxed) {
        FSSpec jaFile;
        err = FSMakeFSSpec(context->jaFileSpec.vRefNum, context->jaFileSpec.parID,
                           context->jaFileSpec.name, &jaFile);
        if (err == noErr)
            err = ReplaceFileContents(&jaFile, context->tempText, context->tempTextLength);
        if (err == noErr)
            NoteJAFileIdentity(context->jaFilePath, context->tempText, context->tempTextLength,
                               &context->jaFileIdentity);
    } else {
        err = CommitAsRoot(context, overwrite);
    }
    if (err == noErr) context->jaUntaken = JAUntakenLines{0, 0}; // the file holds the list now
    if (err == noErr || err == kJAFileNotFlushedErr) audit.Committed(context);
    return err;
}

} // namespace

OSErr CopyFromTemporaryToJAPrefs(GlueRec* context) {
    // Someone saved the file after the list copied it: overwriting that is the person's choice.
    // Declining is answered like a refused right, so the changes stay and Save stays enabled.
    Boolean overwrite = JAFileChangedSince(context->jaFilePath, &context->jaFileIdentity);
    if (overwrite && CautionAlert(kJAFileChangedAlert, nullptr) != kOverwriteItem) return noErr;
    // So are lines of the file that the list could not keep as they stand.
    if (context->jaUntaken.count > 0 &&
        UntakenLinesAlert(context->jaUntaken, kReplaceUntakenLinesAlert) != kSaveAnywayItem)
        return noErr;
    OSErr err = CommitWorkingCopy(context, overwrite);
    if (err == kJAFileChangedErr) {
        // Someone saved while the right was being asked for: the same question, and an
        // Overwrite is a commit of its own, with the right asked for again.
        AUTH_CREATEL_Flag = false;
        if (CautionAlert(kJAFileChangedAlert, nullptr) != kOverwriteItem) return noErr;
        err = CommitWorkingCopy(context, true);
    }
    MovedFileAlert(context);
    return err;
}

OSErr CommitWorkingCopy(GlueRec* context, Boolean overwrite) {
    short unused;
    OSErr err = CreateOpenTmpFile(context, 0, 0, &unused);
    if (err == noErr && AUTH_CREATEL_Flag)
        err = WriteJAPrefsFromTemporary(context, IsSandboxed(), overwrite);
    ReleaseJARight();
    return err;
}
