#include "Korvane/Shell/Shutdown.h"

#include "Korvane/DataStore/SettingPrivateRec.h"
#include "Korvane/DataStore/WorkingCopyLock.h"
#include "Korvane/ListDialog/JobAccountDialog.h"
#include "Korvane/Shell/SavedDialogPosition.h"
#include "Platform/MacMemory.h"

namespace {

void DisposeSettingPrivate(GlueRec* context) {
    SettingPrivateRec* setting = context->settingPrivate;
    if (setting->entries != nullptr) DisposePtr(Ptr(setting->entries));
    if (setting->importEntries != nullptr) DisposePtr(Ptr(setting->importEntries));
    if (setting->theList != nullptr) LDispose(setting->theList);
    if (setting->listDrawProc != nullptr) DisposeUserItemUPP(setting->listDrawProc);
    DisposePtr(Ptr(setting));
    context->settingPrivate = nullptr;
}

} // namespace

OSErr DisposeAllDialogs(GlueRec* context) {
    if (context->jobAccountDialog != nullptr) {
        TerminateJobAccountDialog(context, context->jobAccountDialog);
        SaveTheDialogPosition(context, context->jobAccountDialog, kJobAccountDialogID);
        DisposeDialog(context->jobAccountDialog);
        context->jobAccountDialog = nullptr;
    }
    if (context->settingPrivate != nullptr) DisposeSettingPrivate(context);
    return noErr;
}

OSErr DoTerminate(GlueRec* context) {
    DisposeAllDialogs(context);
    if (!WorkingCopyLocked()) return noErr; // the working copy is another run's
    OSErr err = FSpDelete(&context->tempFileSpec);
    UnlockWorkingCopy();
    return err;
}
