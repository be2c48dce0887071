// Choosing the CSV file and reading it whole.
#include "Korvane/DataStore/WholeFile.h"
#include "Korvane/ImportExport/Import.h"
#include "MorrowCommon_2/MyEasyNavStdGetFile.h"
#include "Utility/Utility.h"

#include <cstdlib>

namespace {

// Not a file system code: only tells a failed allocation apart.
constexpr OSErr kNoTextErr = 1;

Boolean ChooseFromPanel(FSSpec* spec) {
    char* path = nullptr;
    Boolean chosen = MyOpenPanel(nullptr, nullptr, &path, false, true);
    chosen = chosen && path && PathToFSSpec(path, spec) == noErr;
    std::free(path);
    return chosen;
}

Boolean ChooseFromNavigation(FSSpec* spec) {
    StandardFileReply reply{};
    Boolean translationNeeded = false;
    MyEasyNavStdGetFile(&reply, nullptr, nullptr, &translationNeeded, -1, nullptr);
    if (reply.sfGood) *spec = reply.sfFile;
    return reply.sfGood;
}

} // namespace

OSErr SelectCSVFile(GlueRec* context) {
    FSSpec spec;
    const Boolean chosen = IsSandboxed() ? ChooseFromPanel(&spec) : ChooseFromNavigation(&spec);
    if (!chosen) return kImportCancelledErr;
    context->importFileSpec = spec;
    OSErr err =
        ReadWholeFile(&spec, &context->importFileText, &context->importFileLength, kNoTextErr);
    return err == kNoTextErr ? noErr : err;
}
