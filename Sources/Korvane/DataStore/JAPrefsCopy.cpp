#include "Korvane/DataStore/JAPrefs.h"

#include "Korvane/DataStore/JALocations.h"
#include "Korvane/DataStore/SettingsText.h"
#include "Korvane/DataStore/WholeFile.h"
#include "Korvane/Shell/Globals.h"
#include "MorrowCommon_2/MyFindFolder.h"
#include "Platform/MacErrors.h"
#include "Utility/Utility.h"

#include <cstring>

namespace {

// The file's text into tempText once the folder lookup gave lookupErr. No folder, a file in the
// folder's place, or no file yet: no text (tempText stays null) and noErr.
OSErr ReadJAFileAfterLookup(GlueRec* context, OSErr lookupErr) {
    context->tempTextLength = 0;
    if (lookupErr == fnfErr || lookupErr == dupFNErr) return noErr;
    OSErr err = lookupErr == noErr ? FindNamedFile(&context->jaFileSpec) : lookupErr;
    if (err == fnfErr) return noErr;
    return err == noErr ? ReadWholeFile(&context->jaFileSpec, &context->tempText,
                                        &context->tempTextLength, memFullErr)
                        : err;
}

// Reads the job-accounting file; with intoWorkingCopy its bytes then replace the working copy's.
// What is noted is what the list starts from, so that a Save can tell whether someone has saved
// the file since; a file that cannot be found is noted as missing.
OSErr ReadJAPrefs(GlueRec* context, Boolean intoWorkingCopy) {
    OSErr err = LookUpJAFolder(context);
    if (err == fnfErr && IsSandboxed()) {
        gquit = true;
        return dirNFErr;
    }
    context->jaFileIdentity = JAFileIdentityRec{};
    context->jaUntaken = JAUntakenLines{0, 0};
    context->jaCopyErr = noErr;
    ReleaseTextClass release(&context->tempText);
    err = ReadJAFileAfterLookup(context, err);
    if (err == noErr && !context->tempText) return noErr; // nothing to copy: an empty list
    // A file that is there but cannot be copied is an error, never an empty list that a Save
    // would then commit over it.
    if (err == noErr && intoWorkingCopy)
        err =
            ReplaceFileContents(&context->tempFileSpec, context->tempText, context->tempTextLength);
    context->jaCopyErr = err;
    if (err != noErr) return err;
    const auto* text = reinterpret_cast<const UInt8*>(context->tempText);
    NoteJAFileIdentity(context->jaFilePath, context->tempText, context->tempTextLength,
                       &context->jaFileIdentity);
    context->jaUntaken = SurveyJASettingText(text, context->tempTextLength);
    return noErr;
}

} // namespace

OSErr CopyJAPrefsFromToTemporary(GlueRec* context) {
    return ReadJAPrefs(context, true);
}

OSErr NoteJAPrefsKeepingTemporary(GlueRec* context) {
    return ReadJAPrefs(context, false);
}

void ForgetJAFileIdentity(GlueRec* context) {
    context->jaFileIdentity = JAFileIdentityRec{};
    context->jaFileIdentity.exists = true;
    context->jaFileIdentity.size = -1; // no file's: it matches nothing
}

Boolean LeftoverHoldsUnsavedChanges(GlueRec* context) {
    Ptr leftover = nullptr;
    SInt32 leftoverLength = 0;
    ReleaseTextClass releaseLeftover(&leftover);
    if (ReadWholeFile(&context->tempFileSpec, &leftover, &leftoverLength, memFullErr) != noErr ||
        leftoverLength == 0)
        return false;
    ReleaseTextClass release(&context->tempText);
    FSSpec jaFile = context->jaFileSpec;
    const OSErr err = ReadJAFileAfterLookup(context, LookUpJAFolder(context));
    context->jaFileSpec = jaFile;
    // A folder in the file's place is an empty list too; a file that cannot be read is left to
    // the copy, which says why.
    if (err != noErr && err != dupFNErr) return false;
    return context->tempTextLength != leftoverLength ||
           std::memcmp(context->tempText, leftover, size_t(leftoverLength)) != 0;
}
