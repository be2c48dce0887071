#include "Korvane/DataStore/JAPrefs.h"

#include "Korvane/DataStore/JALocations.h"
#include "Korvane/DataStore/WholeFile.h"
#include "Korvane/Shell/Globals.h"
#include "MorrowCommon_2/MyFindFolder.h"
#include "Platform/MacErrors.h"
#include "Utility/Utility.h"

OSErr CopyJAPrefsFromToTemporary(GlueRec* context) {
    OSErr err = LookUpJAFolder(context);
    if (err == fnfErr && IsSandboxed()) {
        gquit = true;
        return dirNFErr;
    }
    // What is noted is what the list starts from, so that a Save can tell whether someone has
    // saved the file since; a file that cannot be found is noted as missing.
    context->jaFileIdentity = JAFileIdentityRec{};
    if (err != noErr || FindNamedFile(&context->jaFileSpec) != noErr) return noErr;
    // Failures end the copy quietly: the list then starts from the working copy as it is.
    ReleaseTextClass release(&context->tempText);
    if (ReadWholeFile(&context->jaFileSpec, &context->tempText, &context->tempTextLength,
                      memFullErr) == noErr &&
        ReplaceFileContents(&context->tempFileSpec, context->tempText, context->tempTextLength) ==
            noErr)
        NoteJAFileIdentity(context->jaFilePath, context->tempText, context->tempTextLength,
                           &context->jaFileIdentity);
    return noErr;
}
