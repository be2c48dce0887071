// korvane export [FILE]: the job-accounting file's bytes, unchanged, as the export writes them.
#include "Korvane/CommandLine/ListText.h"
#include "Korvane/CommandLine/Subcommands.h"
#include "Platform/HostFiles.h"

#include <cstdio>

namespace {

bool WriteAll(std::FILE* out, const UInt8* text, SInt32 length) {
    return (length == 0 || std::fwrite(text, 1, size_t(length), out) == size_t(length)) &&
           std::fflush(out) == 0;
}

} // namespace

int ExportCommand(int argc, char** argv) {
    if (argc > 2) return UsageError("export");
    SystemListClass list;
    if (OSErr err = list.Read()) return ReportJAFileError(list.Context(), err);
    if (argc == 1)
        return WriteAll(stdout, list.Text(), list.Length()) ? kExitDone : kExitSystemError;
    // A failed write leaves the file as it was, and a link planted in a shared folder is never
    // followed.
    const OSStatus status = PlatformWriteFileWhole(argv[1], list.Text(), list.Length());
    if (status == noErr) return kExitDone;
    std::fprintf(stderr, "%s: %s\n", argv[1], FileProblemText(status));
    return kExitSystemError;
}
