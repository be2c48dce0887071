#include "Korvane/CommandLine/ImportedFile.h"

#include "Korvane/CommandLine/ListText.h"
#include "Korvane/EntryEditor/NewJobAccountDialogCheck.h"
#include "Korvane/ImportExport/Import.h"
#include "Korvane/ListDialog/JobAccountDialog.h"
#include "Korvane/Shell/AlertText.h"
#include "Platform/MacErrors.h"
#include "Platform/MacMemory.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <unordered_map>

// Kept in line order as they come; lines of one number in the order they came.
void SkippedLines::Add(SInt32 line, std::string why, bool refused) {
    const auto after = std::upper_bound(lines_.begin(), lines_.end(), line,
                                        [](SInt32 n, const Line& l) { return n < l.number; });
    lines_.insert(after, {line, std::move(why), refused});
    refused_ += refused;
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

// The lines that the parser, the rules and the duplicates leave out.
void NoteRefusedLines(const JASettingBlock* staged, const ImportLines& lines,
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
        skipped->Add(kJASettingSlots + 1, "this line and those after it are not read: an "
                                          "import reads at most " +
                                              std::to_string(kJASettingSlots) + " lines.");
}

// The file's text into the staging block, as the program's import hands it over.
OSErr StageFile(ListChangeClass& change, const std::string& text) {
    if (!change.ImportStaging()) return memFullErr;
    GlueRec* context = change.Context();
    context->importFileText = NewPtr(std::max<Size>(Size(text.size()), 1));
    if (!context->importFileText) return memFullErr;
    std::memcpy(context->importFileText, text.data(), text.size());
    context->importFileLength = SInt32(text.size());
    StageImportText(context);
    return noErr;
}

} // namespace

OSErr ReadImportedFile(ListChangeClass& change, const std::string& text, ImportLines* lines,
                       SkippedLines* skipped) {
    if (OSErr err = StageFile(change, text)) return err;
    SortOutImport(change.Context(), lines);
    NoteRefusedLines(change.Context()->settingPrivate->importEntries, *lines, skipped);
    return noErr;
}

std::vector<const JASetting*> ImportedEntries(const JASettingBlock* staged) {
    std::vector<const JASetting*> entries;
    for (SInt16 i = 0; i < staged->entryCount; ++i)
        if (!staged->records[i].duplicateFlag && !staged->records[i].invalidFlag)
            entries.push_back(&staged->records[i]);
    return entries;
}

int ReadMasterFile(ListChangeClass& change, const char* file, const std::string& text,
                   SkippedLines* skipped, const char* consequence,
                   std::vector<const JASetting*>* target) {
    static ImportLines lines; // one file at a time; too big for the stack
    if (OSErr err = ReadImportedFile(change, text, &lines, skipped))
        return ReportSystemError("out of memory", err);
    if (skipped->AnyRefused()) {
        std::fprintf(stderr, "korvane: %s: the lines above were refused%s\n", file, consequence);
        return kExitRefused;
    }
    *target = ImportedEntries(change.Context()->settingPrivate->importEntries);
    if (target->size() <= size_t(kJAMaxEntries)) return kExitDone;
    std::fprintf(stderr, "korvane: %s holds %zu accounts: %s%s\n", file, target->size(),
                 AlertText(kListFullAlertID).c_str(), consequence);
    return kExitRefused;
}
