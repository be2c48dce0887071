// korvane export [FILE]: the job-accounting file's bytes, unchanged, as the export writes them.
#include "Korvane/CommandLine/ListText.h"
#include "Korvane/CommandLine/Subcommands.h"

#include <cstdio>
#include <string>

namespace {

bool WriteAll(std::FILE* out, const UInt8* text, SInt32 length) {
    return (length == 0 || std::fwrite(text, 1, size_t(length), out) == size_t(length)) &&
           std::fflush(out) == 0;
}

// Written beside the file and renamed over it, so a failed write leaves it as it was.
bool WriteFileWhole(const char* path, const UInt8* text, SInt32 length) {
    const std::string fresh = std::string(path) + ".korvane-new";
    std::FILE* out = std::fopen(fresh.c_str(), "wb");
    if (!out) return false;
    bool written = WriteAll(out, text, length);
    written = std::fclose(out) == 0 && written;
    if (written && std::rename(fresh.c_str(), path) == 0) return true;
    std::remove(fresh.c_str());
    return false;
}

} // namespace

int ExportCommand(int argc, char** argv) {
    if (argc > 2) return UsageError("export [FILE]");
    SystemListClass list;
    if (OSErr err = list.Read()) return ReportJAFileError(list.Context(), err);
    if (argc == 1)
        return WriteAll(stdout, list.Text(), list.Length()) ? kExitDone : kExitSystemError;
    if (WriteFileWhole(argv[1], list.Text(), list.Length())) return kExitDone;
    std::perror(argv[1]);
    return kExitSystemError;
}
