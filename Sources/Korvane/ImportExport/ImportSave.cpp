// The working copy rewritten from the merged entries.
#include "Korvane/DataStore/SettingPrivateRec.h"
#include "Korvane/DataStore/SettingsFile.h"
#include "Korvane/ImportExport/Import.h"
#include "Platform/Dialogs.h"
#include "Platform/MacMemory.h"

namespace {

// Lends the list's place to another block, so that the settings writer writes that block.
class LendEntriesClass {
  public:
    LendEntriesClass(SettingPrivateRec* setting, JASettingBlock* block)
        : setting_(setting), entries_(setting->entries) {
        setting->entries = block;
    }
    ~LendEntriesClass() { setting_->entries = entries_; }
    LendEntriesClass(const LendEntriesClass&) = delete;
    LendEntriesClass& operator=(const LendEntriesClass&) = delete;

  private:
    SettingPrivateRec* setting_;
    JASettingBlock* entries_;
};

// Appends the entries of the group that are kept; false when the merged block was full first.
Boolean AppendKept(const JASettingBlock* group, JASettingBlock* merged) {
    for (SInt16 i = 0; i < group->entryCount; ++i) {
        const JASetting& entry = group->records[i];
        if (entry.duplicateFlag || entry.invalidFlag) continue;
        if (merged->entryCount == kJAMaxEntries) return false;
        merged->records[merged->entryCount++] = entry;
    }
    return true;
}

} // namespace

OSErr SaveJASettingToJATemp_at_ImportFunc(GlueRec* context) {
    SettingPrivateRec* setting = context->settingPrivate;
    Ptr buffer = NewPtr(sizeof(JASettingBlock));
    if (!buffer) return kImportNoMemoryErr;
    JASettingBlock* merged = reinterpret_cast<JASettingBlock*>(buffer);
    merged->entryCount = 0;
    // The listed entries come first; imported ones follow them.
    Boolean fits = AppendKept(setting->entries, merged);
    fits = fits && AppendKept(setting->importEntries, merged);
    if (!fits) StopAlert(kImportAlertListFull, nullptr);
    OSErr err;
    {
        LendEntriesClass lend(setting, merged);
        err = SaveJASettingToJATemp(context);
    }
    DisposePtr(buffer);
    return err;
}
