// A change to the job-accounting list from the command line: the same working copy, lock,
// changed-on-disk check and privileged commit as a Save in the program.
#pragma once

#include "Korvane/DataStore/AccountChanges.h"
#include "Korvane/DataStore/SettingPrivateRec.h"
#include "Korvane/Shell/GlueRec.h"

enum class OutputFormat { Text, Json };

class ListChangeClass {
  public:
    // The format says how a commit that moves the file tells of it: a line of text, or with
    // JSON nothing of its own (the report's object says it, from MovedFrom).
    explicit ListChangeClass(OutputFormat format = OutputFormat::Text);
    // Removes the working copy and lets go of the lock, whatever happened.
    ~ListChangeClass();
    ListChangeClass(const ListChangeClass&) = delete;
    ListChangeClass& operator=(const ListChangeClass&) = delete;

    // Takes the lock and reads the job-accounting file into the list. An exit status: 0, or
    // after a message on standard error the status to end with.
    int Begin();
    // Only reads the job-accounting file into the list, for a change that is not to be made:
    // no lock, no working copy. An exit status, as Begin.
    int ReadOnly();
    // Refuses, with the message, when the job-accounting file holds lines the list could not keep
    // as they stand and saving would replace them, unless forced. An exit status, as Begin.
    int RefuseUntakenLines(bool force) const;
    // Writes the list to the working copy and commits it. A file with lines the list could not
    // keep as they stand is replaced only when forced. A list whose accounts are those read, in
    // their order, is not committed at all (Unchanged then holds). An exit status, as Begin.
    int Commit(bool force);
    bool Unchanged() const { return unchanged_; }
    // Where the commit moved the file from (where earlier versions kept it); null when it did not.
    const char* MovedFrom() const;

    // The accounts as Begin or ReadOnly read them. A read-only run changes no account, so its
    // entries are their own original.
    const JASettingBlock* Original() const { return original_ ? original_ : setting_->entries; }

    // The import's staging block, made empty on the first call; null when memory ran out.
    JASettingBlock* ImportStaging();

    GlueRec* Context() const { return context_; }
    JASettingBlock* Entries() const { return setting_ ? setting_->entries : nullptr; }

  private:
    GlueRec* context_;
    SettingPrivateRec* setting_;
    JASettingBlock* original_ = nullptr;
    bool workingCopyMade_ = false;
    bool unchanged_ = false;
    OutputFormat format_;

    int KeepOriginal();
};

// The working copy's and the job-accounting file's locations into the context. 0 or the error.
OSErr LocateWorkingCopy(GlueRec* context);

// Whether the arguments hold the flag; it is taken out of them (argc shrinks) wherever it stands.
bool TakeFlag(int* argc, char** argv, const char* flag);

// An argument that starts with "--": an option, never a login name or a file.
bool IsOption(const char* argument);

// The entry's index by login name; -1 when none has it.
SInt16 FindLogin(const JASettingBlock* entries, const char* login);
