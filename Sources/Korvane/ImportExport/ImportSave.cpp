// The working copy rewritten from the merged entries.
#include "Korvane/DataStore/SettingsFile.h"
#include "Korvane/DataStore/SettingsText.h"
#include "Korvane/DataStore/WholeFile.h"
#include "Korvane/ImportExport/Import.h"
#include "Korvane/ImportExport/ImportDuplicates.h"
#include "Korvane/ImportExport/ImportKept.h"
#include "Platform/Dialogs.h"
#include "Platform/MacMemory.h"

#include <algorithm>

OSErr SaveJASettingToJATemp_at_ImportFunc(GlueRec* context) {
    const SettingPrivateRec* setting = context->settingPrivate;
    Boolean replaces[kJASettingSlots];
    FindImportReplacements(setting->importEntries, setting->entries, replaces);
    if (!ForEachKeptImportEntry(setting, replaces, [](const JASetting&) {}))
        StopAlert(kImportAlertListFull, nullptr);
    return WriteImportToJATemp(context, replaces);
}

// The text is written straight from the two blocks: a merged block would be one more copy of
// every entry.
OSErr WriteImportToJATemp(GlueRec* context, const Boolean* replaces) {
    const SettingPrivateRec* setting = context->settingPrivate;
    SInt32 capacity = 0;
    ForEachKeptImportEntry(setting, replaces, [&](const JASetting& entry) {
        capacity += JASettingLineCapacity(entry);
    });
    ReleaseTextClass release(&context->textOut);
    context->textOut = NewPtr(std::max<SInt32>(capacity, 1));
    if (!context->textOut) return kImportNoMemoryErr;
    UInt8* const start = reinterpret_cast<UInt8*>(context->textOut);
    UInt8* text = start;
    ForEachKeptImportEntry(setting, replaces,
                           [&](const JASetting& entry) { text = PutJASettingLine(entry, text); });
    context->tempTextLength = SInt32(text - start);
    return WriteTextToJATemp(context);
}
