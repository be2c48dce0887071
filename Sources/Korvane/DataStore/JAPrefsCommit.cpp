#include "Korvane/DataStore/JAPrefs.h"

#include "Korvane/DataStore/PrivilegedTools.h"
#include "Korvane/DataStore/WholeFile.h"
#include "Korvane/Shell/Globals.h"
#include "Platform/Dialogs.h"
#include "Platform/MacErrors.h"

namespace {

constexpr short kJAFileChangedAlert = 1013;
constexpr short kOverwriteItem = 2;

OSErr WriteJAPrefsFromTemporary(GlueRec* context) {
    ReleaseTextClass release(&context->tempText);
    OSErr err = ReadWholeFile(&context->tempFileSpec, &context->tempText, &context->tempTextLength,
                              memFullErr);
    FSSpec jaFile;
    if (err == noErr)
        err = FSMakeFSSpec(context->jaFileSpec.vRefNum, context->jaFileSpec.parID,
                           context->jaFileSpec.name, &jaFile);
    if (err == noErr) context->jaFileSpec = jaFile;
    if (err == noErr)
        err = ReplaceFileContents(&context->jaFileSpec, context->tempText, context->tempTextLength);
    if (err == noErr)
        NoteJAFileIdentity(context->jaFilePath, context->tempText, context->tempTextLength,
                           &context->jaFileIdentity);
    return err;
}

void LockJAPrefsFile(GlueRec* context) {
    const char* chmodArguments[] = {"og-w", context->jaFilePath, nullptr};
    RunPrivilegedTool("/bin/chmod", chmodArguments, false);
    const char* chownArguments[] = {"root", context->jaFilePath, nullptr};
    RunPrivilegedTool("/usr/sbin/chown", chownArguments, false);
}

} // namespace

OSErr CopyFromTemporaryToJAPrefs(GlueRec* context) {
    // Someone saved the file after the list copied it: overwriting that is the person's choice.
    // Declining is answered like a refused right, so the changes stay and Save stays enabled.
    if (JAFileChangedSince(context->jaFilePath, &context->jaFileIdentity) &&
        CautionAlert(kJAFileChangedAlert, nullptr) != kOverwriteItem)
        return noErr;
    short unused;
    OSErr err = CreateOpenTmpFile(context, 0, 0, &unused);
    if (err == noErr && AUTH_CREATEL_Flag) err = WriteJAPrefsFromTemporary(context);
    // The file was opened to everyone for the commit; whatever happened, it is locked to the
    // superuser again, and the right is given up.
    if (myAuthorizationRef) {
        LockJAPrefsFile(context);
        ReleaseJARight();
    }
    return err;
}
