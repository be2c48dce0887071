#include "Korvane/DataStore/JAPages.h"
#include "Korvane/DataStore/SettingPrivateRec.h"
#include "Korvane/DataStore/SettingsFile.h"
#include "Korvane/DataStore/WholeFile.h"
#include "Korvane/ImportExport/Import.h"
#include "Korvane/ListDialog/JobAccountDialog.h"
#include "Korvane/Shell/ShowAlert.h"
#include "MorrowCommon_2/MyOpenCloseFile.h"
#include "Platform/MacErrors.h"

#include <algorithm>

namespace {

// The working copy is rewritten at the end: find out now whether it can be.
OSErr CheckWorkingCopyWritable(const FSSpec* spec) {
    SInt16 refNum;
    OSErr err = MyOnlyOpenFile(spec, &refNum);
    return err == noErr ? MyCloseFile(refNum) : err;
}

// Hands the file's text to the staging block; from its first NUL byte on, every byte reads as
// NUL.
void StageText(GlueRec* context, JASettingBlock* staged) {
    staged->importText = context->importFileText;
    staged->importTextLength = UInt32(std::max<SInt32>(context->importFileLength, 0));
    context->importFileText = nullptr;
    char* text = staged->importText;
    char* end = text + staged->importTextLength;
    std::fill(std::find(text, end, '\0'), end, '\0');
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
    JASettingBlock* staged = setting->importEntries;
    ReleaseTextClass releaseText(&staged->importText);
    StageText(context, staged);
    Store_to_TemporaryInfo_at_ImportFunc(context);
    err = SaveJASettingToJATemp_at_ImportFunc(context);
    if (err == noErr) err = JobAccountDialogReadFromTemporary(context);
    if (err != noErr) return err;
    return RefreshList(context);
}
