// One run of the program per user edits the working copy: a second one would reuse the first's
// working copy and delete it at its end. The lock is a file beside the working copy, held with the
// host's file lock for the whole run; the system lets go of it when the process ends, crash or
// not.
#pragma once

#include "Korvane/Shell/GlueRec.h"

// Takes the lock for the folder of the application preferences file. opWrErr when another
// process holds it; other File Manager codes when the lock file cannot be made.
OSErr LockWorkingCopy(const GlueRec* context);

// True while this process holds the lock.
Boolean WorkingCopyLocked();

// Lets go of the lock and removes its file; harmless when not held.
void UnlockWorkingCopy();
