// The job-accounting file as the subcommands see it: read through the data store's own lookup,
// and its entries in file order.
#pragma once

#include "Korvane/DataStore/JASetting.h"
#include "Korvane/Shell/GlueRec.h"

#include <cstdio>
#include <string>

// Exit statuses of the subcommands.
enum : int {
    kExitDone = 0,
    kExitRefused = 1, // by the entry rules or the person
    kExitUsage = 2,
    kExitSystemError = 3,
    kExitNoSuchLogin = 4,      // no account has the login name
    kExitListInUse = 5,        // a run of the program, or another subcommand, has the list open
    kExitChangedMeanwhile = 6, // someone saved the file since it was read: nothing written
};

// A context with the job-accounting file's locations and its settings text, owned by the
// holder.
class SystemListClass {
  public:
    SystemListClass();
    ~SystemListClass();
    SystemListClass(const SystemListClass&) = delete;
    SystemListClass& operator=(const SystemListClass&) = delete;

    // Reads the job-accounting file; a missing file or folder is an empty list unless not
    // missingIsEmpty. 0 or the error.
    OSErr Read(bool missingIsEmpty = true);
    GlueRec* Context() const { return context_; }
    const UInt8* Text() const { return reinterpret_cast<const UInt8*>(context_->tempText); }
    SInt32 Length() const { return context_ ? context_->tempTextLength : 0; }

  private:
    GlueRec* context_;
};

// The job-accounting file's locations into the context and its text into tempText, which the
// caller releases; a missing file or folder is an empty text unless not missingIsEmpty. 0 or the
// error.
OSErr ReadJAFileText(GlueRec* context, bool missingIsEmpty = true);

// The reason in words for a status of the host's file calls: the system's own for
// kPOSIXErrorBase + errno, else ErrorText's.
const char* FileProblemText(OSStatus status);

// Reads a whole file named on the command line ("-": standard input): null, or why it cannot,
// in words. Only a plain file is read, and no more than a full list's text.
const char* ReadFileText(const char* path, std::string* text);

// "korvane: no account has the login name LOGIN" on standard error, and its own status.
int ReportNoSuchLogin(const char* login);
// "korvane: FILE: problem" on standard error, and the system-error status.
int ReportFileProblem(const char* path, const char* problem);
// "korvane: WHAT (the reason in words)" on standard error, and the system-error status.
int ReportSystemError(const char* what, OSErr err);
// The same for the job-accounting file: "korvane: cannot read the job-accounting file PATH (...)".
int ReportJAFileError(const GlueRec* context, OSErr err);
