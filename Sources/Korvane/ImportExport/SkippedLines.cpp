#include "Korvane/ImportExport/SkippedLines.h"

#include "Korvane/DataStore/AccountChanges.h"
#include "Korvane/EntryEditor/NewJobAccountDialogCheck.h"
#include "Korvane/ImportExport/Import.h"
#include "Korvane/ImportExport/ImportKept.h"
#include "Korvane/Shell/AlertText.h"

#include <algorithm>
#include <string_view>
#include <unordered_map>

// Kept in line order as they come; lines of one number in the order they came.
void SkippedLines::Add(SInt32 line, std::string why, bool refused, SInt32 count) {
    const auto after = std::upper_bound(lines_.begin(), lines_.end(), line,
                                        [](SInt32 n, const Line& l) { return n < l.number; });
    lines_.insert(after, {line, std::move(why), refused, count});
    refused_ += refused;
    count_ += count;
}

void SkippedLines::Print(const char* file, std::FILE* out) const {
    for (const Line& line : Lines())
        std::fprintf(out, "%s:%ld: skipped: %s\n", file, long(line.number), line.why.c_str());
}

namespace {

// A staged slot that is not written, and why; nothing for one that is.
std::string WhyLeftOut(const JASetting& slot, SInt32 winnerLine) {
    if (slot.invalidFlag && slot.loginName[0] == 255 && !FirstBrokenEntryRule(slot, true))
        return "the login name is longer than 255 bytes.";
    if (slot.invalidFlag) return AlertText(FirstBrokenEntryRule(slot, true));
    if (slot.duplicateFlag)
        return std::string(LoginOf(slot)) + " comes again on line " + std::to_string(winnerLine) +
               ", which is imported instead.";
    return {};
}

} // namespace

void NoteSkippedLines(const JASettingBlock* staged, const ImportLines& lines,
                      SkippedLines* skipped) {
    for (SInt16 i = 0; i < lines.incompleteCount; ++i)
        skipped->Add(lines.incomplete[i], "the line does not read login name,ID,user name.");
    std::unordered_map<std::string_view, SInt32> winnerLine;
    for (SInt16 i = 0; i < staged->entryCount; ++i)
        if (!staged->records[i].duplicateFlag && !staged->records[i].invalidFlag)
            winnerLine.emplace(LoginOf(staged->records[i]), lines.ofSlot[i]);
    for (SInt16 i = 0; i < staged->entryCount; ++i) {
        const JASetting& slot = staged->records[i];
        std::string why = WhyLeftOut(slot, winnerLine[LoginOf(slot)]);
        if (!why.empty()) skipped->Add(lines.ofSlot[i], std::move(why), slot.invalidFlag);
    }
    if (lines.unread)
        skipped->Add(kJASettingSlots + 1,
                     "this line and those after it are not read: an import reads at most " +
                         std::to_string(kJASettingSlots) + " lines.",
                     true, lines.unread);
}

void NoteLinesCut(const SettingPrivateRec* setting, const Boolean* replaces,
                  const ImportLines& lines, SkippedLines* skipped) {
    const JASettingBlock* staged = setting->importEntries;
    std::vector<bool> kept(kJASettingSlots);
    ForEachKeptStagedSlot(setting, replaces, [&](SInt16 slot) { kept[size_t(slot)] = true; });
    SInt32 firstCut = 0, cut = 0;
    for (SInt16 i = 0; i < staged->entryCount; ++i) {
        const JASetting& slot = staged->records[i];
        if (!slot.duplicateFlag && !slot.invalidFlag && !kept[size_t(i)] && cut++ == 0)
            firstCut = lines.ofSlot[i];
    }
    if (cut)
        skipped->Add(firstCut,
                     "this line and " + std::to_string(cut - 1) +
                         " more with new login names are left out. " +
                         AlertText(kImportAlertListFull),
                     true, cut);
}
