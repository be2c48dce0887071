// The audit trail: every commit of the job-accounting file, from the program or the command line,
// leaves one entry in the system log saying who changed which file, and which accounts.
#pragma once

#include "Korvane/Shell/GlueRec.h"

#include <string>

// The job-accounting file's text as it is before a commit, for the entry written after it.
class CommitAuditClass {
  public:
    // Reads the file as it is now; a file that cannot be read is noted as unknown.
    explicit CommitAuditClass(const GlueRec* context);
    ~CommitAuditClass();
    CommitAuditClass(const CommitAuditClass&) = delete;
    CommitAuditClass& operator=(const CommitAuditClass&) = delete;

    // Writes the entry for the file that now holds the context's tempText.
    void Committed(const GlueRec* context);

  private:
    Ptr before_ = nullptr;
    SInt32 beforeLength_ = 0;
    bool known_ = false;
};

// The entry's text: "PERSON saved FILE: N added (a, b), N removed (c), N changed (d); N accounts",
// at most kAuditNamesShown names a kind, each cleaned of control characters.
constexpr int kAuditNamesShown = 20;
std::string AuditText(const char* person, const char* file, const UInt8* before,
                      SInt32 beforeLength, bool beforeKnown, const UInt8* after,
                      SInt32 afterLength);
