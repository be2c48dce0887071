#include "Korvane/CommandLine/ListText.h"

#include "Korvane/DataStore/JALocations.h"
#include "Korvane/DataStore/WholeFile.h"
#include "Korvane/Shell/ErrorText.h"
#include "MorrowCommon_2/MyFindFolder.h"
#include "Platform/MacErrors.h"
#include "Platform/MacMemory.h"

#include <cerrno>
#include <sys/stat.h>

SystemListClass::SystemListClass()
    : context_(reinterpret_cast<GlueRec*>(NewPtrClear(sizeof(GlueRec)))) {}

SystemListClass::~SystemListClass() {
    if (context_) ReleaseTextClass release(&context_->tempText);
    DisposePtr(reinterpret_cast<Ptr>(context_));
}

OSErr SystemListClass::Read() {
    return context_ ? ReadJAFileText(context_) : memFullErr;
}

OSErr ReadJAFileText(GlueRec* context) {
    OSErr err = SetJAFileLocations(context);
    if (err == noErr) err = LookUpJAFolder(context);
    if (err == noErr) err = FindNamedFile(&context->jaFileSpec);
    if (err == fnfErr) return noErr; // no file yet: no accounts
    if (err == noErr)
        err = ReadWholeFile(&context->jaFileSpec, &context->tempText, &context->tempTextLength,
                            memFullErr);
    return err;
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

bool ReadFileText(const char* path, std::string* text) {
    std::FILE* in = std::fopen(path, "rb");
    if (!in) return false;
    struct stat status;
    if (fstat(fileno(in), &status) == 0 && S_ISREG(status.st_mode))
        text->reserve(size_t(status.st_size)); // one buffer, not a copy per doubling
    char piece[65536];
    size_t got;
    while ((got = std::fread(piece, 1, sizeof piece, in)) > 0)
        text->append(piece, got);
    const bool failed = std::ferror(in);
    const int error = errno;
    std::fclose(in);
    errno = error;
    return !failed;
}
