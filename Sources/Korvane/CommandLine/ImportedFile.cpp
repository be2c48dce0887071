#include "Korvane/CommandLine/ImportedFile.h"

#include "Korvane/CommandLine/ListText.h"
#include "Korvane/ImportExport/Import.h"
#include "Korvane/ListDialog/JobAccountDialog.h"
#include "Korvane/Shell/AlertText.h"
#include "Platform/MacErrors.h"
#include "Platform/MacMemory.h"

#include <algorithm>
#include <cstdio>
#include <cstring>

namespace {

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
    NoteSkippedLines(change.Context()->settingPrivate->importEntries, *lines, skipped);
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
