// The job-accounting file and the working copy: filling the working copy from the file when the
// list opens, and committing it back with the administrator right. Results are 16-bit: OSErr
// codes, or the low 16 bits of a security status.
#pragma once

#include "Korvane/DataStore/PrivilegedTools.h"
#include "Korvane/Shell/GlueRec.h"
#include "Platform/PrivilegedCommit.h"

// Copies the job-accounting file into the working copy, and notes its identity and the lines the
// list cannot keep as they stand (jaUntaken). 0 when it is copied or when there is no folder or
// file yet (the working copy is then left as it was); dirNFErr in a sandbox when the OEM folder
// is missing, which also sets gquit; otherwise the error that kept it from being read or copied,
// noted in jaCopyErr too.
OSErr CopyJAPrefsFromToTemporary(GlueRec* context);

// The same, but the working copy keeps what it holds: for a list recovered from a working copy
// that an earlier run left with changes it never saved.
OSErr NoteJAPrefsKeepingTemporary(GlueRec* context);

// Notes the job-accounting file as unknown, so that the next Save asks (alert 1013) before it
// replaces whatever the file holds.
void ForgetJAFileIdentity(GlueRec* context);

// Whether the working copy holds something other than the job-accounting file (a missing file
// counting as empty): changes that a run which ended abnormally never saved.
Boolean LeftoverHoldsUnsavedChanges(GlueRec* context);

// Prepares the OEM folder for the commit, obtaining the right if it is not held: makes it (root's,
// mode 0755) where it is missing and makes it root's alone where it is not. In a sandbox only
// creates a missing file. The last three parameters are not used. 0 also when the person
// refuses the right (AUTH_CREATEL_Flag then stays 0); dirNFErr when the OEM folder is missing
// afterwards; bdNamErr when the paths were not composed; otherwise the first failing status.
OSErr CreateOpenTmpFile(GlueRec* context, short, short, short*);

// Obtains the right if it is not held and makes the OEM folder the superuser's alone, so that
// nobody else can replace or alter the file. 0 or the failing call's status.
OSErr check_permission(GlueRec* context);

// The commit: the job-accounting file becomes a byte-for-byte copy of the working copy, owned by
// root with mode 0644, renamed into place in one step by the superuser. When the file changed
// since the list copied it (or since the last commit), caution alert 1013 asks first. Writes
// nothing and returns 0 when the person declines or the right was refused. A working copy that
// is not a plain file (a link) is refused with permErr. On a failure the file keeps its previous
// content. Lines of the file that the list could not keep as they stand are replaced only when
// the person confirms it with caution alert 1018. Releases the right at the end.
OSErr CopyFromTemporaryToJAPrefs(GlueRec* context);

// A commit that found the file changed since the list was read, under the lock every commit
// takes: nothing was written.
constexpr OSErr kJAFileChangedErr = LowWord(kPlatformCommitChangedErr);
// The new file is in place (and noted as the list's own), but its folder was not flushed.
constexpr OSErr kJAFileNotFlushedErr = LowWord(kPlatformCommitNotFlushedErr);
// A folder on the file's path that others than root can change: nothing was written.
constexpr OSErr kJAUnsafeFolderErr = LowWord(kPlatformCommitUnsafeFolderErr);

// The commit without the questions, for callers that have no one to ask: replaces the file only
// while it is what the list was read from (kJAFileChangedErr otherwise), or whatever it is with
// overwrite.
OSErr CommitWorkingCopy(GlueRec* context, Boolean overwrite);
