#include "Korvane/DataStore/CommitAudit.h"

#include "Korvane/DataStore/AccountChanges.h"
#include "Korvane/DataStore/SettingsText.h"
#include "Korvane/DataStore/WholeFile.h"
#include "Platform/MacErrors.h"
#include "Platform/MacMemory.h"
#include "Platform/SystemLog.h"

#include <memory>
#include <string>

namespace {

struct BlockDeleter {
    void operator()(JASettingBlock* block) const { DisposePtr(reinterpret_cast<Ptr>(block)); }
};
using Block = std::unique_ptr<JASettingBlock, BlockDeleter>;

Block ReadBlock(const UInt8* text, SInt32 length) {
    Block block(reinterpret_cast<JASettingBlock*>(NewPtrClear(sizeof(JASettingBlock))));
    if (block) ReadJASettingText(text, length, block.get());
    return block;
}

// "N added (a, b, ...)" with at most kAuditNamesShown names.
std::string Kind(const AccountChanges& found, AccountChange::Kind kind, const char* verb) {
    std::string names;
    int shown = 0;
    for (const AccountChange& change : found.changes) {
        if (change.kind != kind) continue;
        if (shown++ == kAuditNamesShown) {
            names += ", ...";
            break;
        }
        names += (names.empty() ? "" : ", ") +
                 Printable(LoginOf(change.after ? *change.after : *change.before));
    }
    const long count = found.Count(kind);
    return std::to_string(count) + " " + verb + (count ? " (" + names + ")" : "");
}

} // namespace

std::string AuditText(const char* person, const char* file, const UInt8* before,
                      SInt32 beforeLength, bool beforeKnown, const UInt8* after,
                      SInt32 afterLength) {
    const std::string head = std::string(person) + " saved " + file + ": ";
    const Block old = ReadBlock(before, beforeKnown ? beforeLength : 0);
    const Block now = ReadBlock(after, afterLength);
    if (!old || !now) return head + "the accounts changed are not known (out of memory)";
    const std::string total = "; " + std::to_string(now->entryCount) + " accounts";
    if (!beforeKnown)
        return head + "the file before could not be read, so the accounts changed are not known" +
               total;
    const AccountChanges found = CompareAccounts(old.get(), EntriesOf(now.get()));
    return head + Kind(found, AccountChange::Added, "added") + ", " +
           Kind(found, AccountChange::Removed, "removed") + ", " +
           Kind(found, AccountChange::Changed, "changed") + total;
}

CommitAuditClass::CommitAuditClass(const GlueRec* context) {
    const OSErr err = ReadWholeFile(&context->jaFileSpec, &before_, &beforeLength_, memFullErr);
    // No file or folder yet: no accounts before.
    const bool none = err == fnfErr || err == dirNFErr || err == nsvErr;
    known_ = err == noErr || none;
    if (none) beforeLength_ = 0;
}

CommitAuditClass::~CommitAuditClass() {
    if (before_) DisposePtr(before_);
}

void CommitAuditClass::Committed(const GlueRec* context) {
    char person[256];
    PlatformRequestingPerson(person, sizeof person);
    const std::string text = AuditText(
        person, context->jaFilePath, reinterpret_cast<const UInt8*>(before_), beforeLength_, known_,
        reinterpret_cast<const UInt8*>(context->tempText), context->tempTextLength);
    PlatformLogAuditEntry("korvane", text.c_str());
}
