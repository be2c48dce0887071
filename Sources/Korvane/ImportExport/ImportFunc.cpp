#include "Korvane/DataStore/JAPages.h"
#include "Korvane/DataStore/SettingPrivateRec.h"
#include "Korvane/DataStore/SettingsFile.h"
#include "Korvane/DataStore/WholeFile.h"
#include "Korvane/ImportExport/Import.h"
#include "Korvane/ListDialog/JobAccountDialog.h"
#include "Korvane/Shell/ShowAlert.h"
#include "MorrowCommon_2/MyOpenCloseFile.h"
#include "Platform/MacErrors.h"

namespace {

// The working copy is rewritten at the end: find out now whether it can be.
OSErr CheckWorkingCopyWritable(const FSSpec* spec) {
    SInt16 refNum;
    OSErr err = MyOnlyOpenFile(spec, &refNum);
    return err == noErr ? MyCloseFile(refNum) : err;
}

// Rows of the first page and the buttons; a failure is shown.
OSErr RefreshList(GlueRec* context) {
    ShowFirstJAPage(context->settingPrivate);
    OSErr err = SetJobAccountDialogControls(context);
    if (err != noErr) ShowAlert(context, err);
    HiliteJobAccountDialogButtons(context);
    return err;
}

} // namespace

OSErr ImportFunc(GlueRec* context) {
    SettingPrivateRec* setting = context->settingPrivate;
    if (!setting || !setting->entries || !setting->importEntries) return paramErr;
    ReleaseTextClass releaseFile(&context->importFileText);
    OSErr err = SelectCSVFile(context);
    if (err != noErr || !context->importFileText) return err;
    err = CheckWorkingCopyWritable(&context->tempFileSpec);
    if (err != noErr) return err;
    ReleaseTextClass releaseText(&setting->importEntries->importText);
    StageImportText(context);
    Store_to_TemporaryInfo_at_ImportFunc(context);
    err = SaveJASettingToJATemp_at_ImportFunc(context);
    if (err == noErr) err = JobAccountDialogReadFromTemporary(context);
    if (err != noErr) return err;
    return RefreshList(context);
}
