#include "Korvane/DataStore/SettingsFile.h"

#include "Korvane/DataStore/SettingPrivateRec.h"
#include "Korvane/DataStore/SettingsText.h"
#include "Korvane/DataStore/UndoHistory.h"
#include "Korvane/DataStore/WholeFile.h"
#include "Korvane/Shell/Globals.h"
#include "MorrowCommon_2/MyFindFolder.h"
#include "Platform/MacErrors.h"

#include <algorithm>

namespace {

JASettingBlock* EntriesOf(GlueRec* context) {
    return context->settingPrivate ? context->settingPrivate->entries : nullptr;
}

} // namespace

OSErr SaveJASettingToJATemp(GlueRec* context) {
    JASettingBlock* entries = EntriesOf(context);
    if (!entries) return paramErr;
    ReleaseTextClass release(&context->textOut);
    context->textOut = NewPtr(std::max<SInt32>(JASettingTextCapacity(entries), 1));
    if (!context->textOut) return kSettingsNoMemoryErr;
    context->tempTextLength =
        MakeJASettingText(entries, reinterpret_cast<UInt8*>(context->textOut));
    return WriteTextToJATemp(context);
}

OSErr WriteTextToJATemp(GlueRec* context) {
    FSSpec spec;
    OSErr err = FSMakeFSSpec(context->tempFileSpec.vRefNum, context->tempFileSpec.parID,
                             kWorkingCopyName, &spec);
    if (err == noErr) RememberListBeforeChange(context);
    if (err == noErr) err = ReplaceFileContents(&spec, context->textOut, context->tempTextLength);
    if (err == noErr) SAVE_BUTTON_Flag = true;
    return err;
}

OSErr JobAccountDialogReadFromTemporary(GlueRec* context) {
    JASettingBlock* entries = EntriesOf(context);
    if (!entries) return paramErr;
    OSErr err = FindNamedFile(&context->tempFileSpec);
    if (err == fnfErr) {
        entries->entryCount = 0;
        return noErr;
    }
    if (err != noErr) return err;
    ReleaseTextClass release(&context->textOut);
    err = ReadWholeFile(&context->tempFileSpec, &context->textOut, &context->tempTextLength,
                        kSettingsNoMemoryErr);
    if (err == noErr)
        ReadJASettingText(reinterpret_cast<const UInt8*>(context->textOut), context->tempTextLength,
                          entries);
    return err;
}
