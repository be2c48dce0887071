#include "Korvane/CommandLine/ListText.h"

#include "Korvane/DataStore/JALocations.h"
#include "Korvane/DataStore/WholeFile.h"
#include "Korvane/Shell/ErrorText.h"
#include "MorrowCommon_2/MyFindFolder.h"
#include "Platform/MacErrors.h"
#include "Platform/MacMemory.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

SystemListClass::SystemListClass()
    : context_(reinterpret_cast<GlueRec*>(NewPtrClear(sizeof(GlueRec)))) {}

SystemListClass::~SystemListClass() {
    if (context_) ReleaseTextClass release(&context_->tempText);
    DisposePtr(reinterpret_cast<Ptr>(context_));
}

OSErr SystemListClass::Read(bool missingIsEmpty) {
    return context_ ? ReadJAFileText(context_, missingIsEmpty) : memFullErr;
}

OSErr ReadJAFileText(GlueRec* context, bool missingIsEmpty) {
    OSErr err = SetJAFileLocations(context);
    if (err == noErr) err = LookUpJAFolder(context);
    if (err == noErr) err = FindNamedFile(&context->jaFileSpec);
    if (err == fnfErr && missingIsEmpty) return noErr; // no file yet: no accounts
    if (err == noErr)
        err = ReadWholeFile(&context->jaFileSpec, &context->tempText, &context->tempTextLength,
                            memFullErr);
    return err;
}

int ReportNoSuchLogin(const char* login) {
    std::fprintf(stderr, "korvane: no account has the login name %s\n", login);
    return kExitNoSuchLogin;
}

int ReportFileProblem(const char* path, const char* problem) {
    std::fprintf(stderr, "korvane: %s: %s\n", path, problem);
    return kExitSystemError;
}

int ReportSystemError(const char* what, OSErr err) {
    std::fprintf(stderr, "korvane: %s (%s)\n", what, ErrorText(err));
    return kExitSystemError;
}

int ReportJAFileError(const GlueRec* context, OSErr err) {
    const std::string what = std::string("cannot read the job-accounting file ") +
                             (context->jaFilePath[0] ? context->jaFilePath : "(no path)");
    return ReportSystemError(what.c_str(), err);
}

namespace {

// Reads fd to its end, but no more than a full list's text.
const char* ReadToEnd(int fd, std::string* text) {
    char piece[65536];
    ssize_t got = 0;
    while ((got = read(fd, piece, sizeof piece)) > 0 &&
           text->size() + size_t(got) <= size_t(kJAMaxTextBytes))
        text->append(piece, size_t(got));
    if (got < 0) return std::strerror(errno);
    return got > 0 ? ErrorText(fsDataTooBigErr) : nullptr;
}

} // namespace

const char* ReadFileText(const char* path, std::string* text) {
    if (!std::strcmp(path, "-")) return ReadToEnd(STDIN_FILENO, text);
    // Opened without waiting, so that a FIFO cannot hang the command; only a plain file is read.
    const int fd = open(path, O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) return std::strerror(errno);
    struct stat status;
    const char* problem = nullptr;
    if (fstat(fd, &status) != 0)
        problem = std::strerror(errno);
    else if (!S_ISREG(status.st_mode))
        problem = ErrorText(notAFileErr);
    else if (status.st_size > kJAMaxTextBytes)
        problem = ErrorText(fsDataTooBigErr);
    if (!problem) {
        text->reserve(size_t(status.st_size)); // one buffer, not a copy per doubling
        problem = ReadToEnd(fd, text);         // too big here: it grew meanwhile
    }
    close(fd);
    return problem;
}
