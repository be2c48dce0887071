// The working copy rewritten from the merged entries.
#include "Korvane/DataStore/SettingPrivateRec.h"
#include "Korvane/DataStore/SettingsFile.h"
#include "Korvane/DataStore/SettingsText.h"
#include "Korvane/DataStore/WholeFile.h"
#include "Korvane/ImportExport/Import.h"
#include "Platform/Dialogs.h"
#include "Platform/MacMemory.h"

#include <algorithm>

namespace {

// Calls take with each entry that is kept, the list's first and the imported ones after them,
// as long as the list has room; false when some did not fit.
template <typename Take> Boolean ForEachKept(const SettingPrivateRec* setting, Take take) {
    SInt32 taken = 0;
    for (const JASettingBlock* group : {setting->entries, setting->importEntries})
        for (SInt16 i = 0; i < group->entryCount; ++i) {
            const JASetting& entry = group->records[i];
            if (entry.duplicateFlag || entry.invalidFlag) continue;
            if (taken++ == kJAMaxEntries) return false;
            take(entry);
        }
    return true;
}

} // namespace

// The text is written straight from the two blocks: a merged block would be one more copy of
// every entry.
OSErr SaveJASettingToJATemp_at_ImportFunc(GlueRec* context) {
    const SettingPrivateRec* setting = context->settingPrivate;
    SInt32 capacity = 0;
    Boolean fits = ForEachKept(
        setting, [&](const JASetting& entry) { capacity += JASettingLineCapacity(entry); });
    if (!fits) StopAlert(kImportAlertListFull, nullptr);
    ReleaseTextClass release(&context->textOut);
    context->textOut = NewPtr(std::max<SInt32>(capacity, 1));
    if (!context->textOut) return kImportNoMemoryErr;
    UInt8* const start = reinterpret_cast<UInt8*>(context->textOut);
    UInt8* text = start;
    ForEachKept(setting, [&](const JASetting& entry) { text = PutJASettingLine(entry, text); });
    context->tempTextLength = SInt32(text - start);
    return WriteTextToJATemp(context);
}
