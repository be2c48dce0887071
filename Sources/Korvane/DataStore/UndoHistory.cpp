#include "Korvane/DataStore/UndoHistory.h"

#include "Korvane/DataStore/SettingsFile.h"
#include "Korvane/DataStore/WholeFile.h"
#include "Korvane/Shell/Globals.h"
#include "Platform/MacMemory.h"

namespace {

struct Step {
    Ptr text;
    SInt32 length;
};

Step gSteps[kUndoSteps];
int gCount = 0;
Boolean gSavedAtStart = false; // nothing was left to save where the history began

void DropOldest() {
    DisposePtr(gSteps[0].text);
    for (int i = 1; i < gCount; ++i)
        gSteps[i - 1] = gSteps[i];
    --gCount;
}

} // namespace

void RememberListBeforeChange(GlueRec* context) {
    if (context->jobAccountDialog == nullptr) return;
    Step step{nullptr, 0};
    FSSpec spec;
    OSErr err = FSMakeFSSpec(context->tempFileSpec.vRefNum, context->tempFileSpec.parID,
                             kWorkingCopyName, &spec);
    if (err == noErr) err = ReadWholeFile(&spec, &step.text, &step.length, memFullErr);
    if (err == fnfErr) err = noErr; // no working copy: an empty list
    if (err != noErr) return;       // a step that cannot be kept leaves the ones before
    if (gCount == kUndoSteps) DropOldest();
    gSteps[gCount++] = step;
}

void ForgetListChanges() {
    for (int i = 0; i < gCount; ++i)
        DisposePtr(gSteps[i].text);
    gCount = 0;
    gSavedAtStart = !SAVE_BUTTON_Flag;
}

Boolean CanUndoListChange() {
    return gCount > 0;
}

OSErr UndoListChange(GlueRec* context) {
    if (gCount == 0) return noErr;
    Step& last = gSteps[gCount - 1];
    FSSpec spec;
    OSErr err = FSMakeFSSpec(context->tempFileSpec.vRefNum, context->tempFileSpec.parID,
                             kWorkingCopyName, &spec);
    if (err == noErr || err == fnfErr) err = ReplaceFileContents(&spec, last.text, last.length);
    if (err != noErr) return err;
    DisposePtr(last.text);
    --gCount;
    SAVE_BUTTON_Flag = gCount > 0 || !gSavedAtStart;
    return JobAccountDialogReadFromTemporary(context);
}
