#include "Korvane/CommandLine/ListText.h"

#include "Korvane/DataStore/JALocations.h"
#include "Korvane/DataStore/WholeFile.h"
#include "Korvane/Shell/ErrorText.h"
#include "MorrowCommon_2/MyFindFolder.h"
#include "Platform/HostFiles.h"
#include "Platform/MacErrors.h"
#include "Platform/MacMemory.h"

#include <cstring>

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

const char* FileProblemText(OSStatus status) {
    return status >= kPOSIXErrorBase ? std::strerror(int(status - kPOSIXErrorBase))
                                     : ErrorText(OSErr(status));
}

const char* ReadFileText(const char* path, std::string* text) {
    const OSStatus status =
        PlatformReadFileWhole(std::strcmp(path, "-") ? path : nullptr, kJAMaxTextBytes, text);
    return status == noErr ? nullptr : FileProblemText(status);
}
