// The job-accounting file and the working copy: filling the working copy from the file when the
// list opens, and committing it back with the administrator right. Results are 16-bit: OSErr
// codes, or the low 16 bits of a security status.
#pragma once

#include "Korvane/Shell/GlueRec.h"

// Copies the job-accounting file into the working copy. 0 (a missing file or a failed copy
// leaves the working copy as it was), or dirNFErr in a sandbox when the OEM folder is missing,
// which also sets gquit.
OSErr CopyJAPrefsFromToTemporary(GlueRec* context);

// Makes the OEM folder and the file where they are missing and opens the file for writing,
// obtaining the right if it is not held; in a sandbox only creates a missing file. The last
// three parameters are not used. 0 also when the person refuses the right (AUTH_CREATEL_Flag
// then stays 0); dirNFErr when the OEM folder is missing afterwards; bdNamErr when the paths
// were not composed; otherwise the first failing call's status.
OSErr CreateOpenTmpFile(GlueRec* context, short, short, short*);

// Obtains the right if it is not held and makes the job-accounting file writable for everyone.
// 0 or the failing call's status.
OSErr check_permission(GlueRec* context);

// The commit: the job-accounting file becomes a byte-for-byte copy of the working copy, owned by
// root and not writable by group or others. When the file changed since the list copied it
// (or since the last commit), caution alert 1013 asks first. Writes nothing and returns 0 when
// the person declines or the right was refused. On a failure the file keeps its previous content.
// Releases the right at the end.
OSErr CopyFromTemporaryToJAPrefs(GlueRec* context);
