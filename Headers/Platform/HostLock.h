// The host's own advisory lock on a file: one holder at a time, released by the system when the
// holding process ends, crash or not.
#pragma once

#include "Platform/MacTypes.h"

typedef struct OpaquePlatformFileLock* PlatformFileLockRef;

// Takes the exclusive lock on the file at path, made (mode 0600) when missing and never opened
// through a link; held until PlatformUnlockFile or the end of the process, also against a second
// call for the same path from this process. A file removed by its holder while it was being
// opened is made anew. noErr with *lock set; opWrErr when someone holds it; permErr when the
// file cannot be made or opened for lack of permission; ioErr for any other reason (a link at
// path, a missing folder); memFullErr when no memory is left.
OSErr PlatformLockFile(const char* path, PlatformFileLockRef* lock);

// Removes the lock's file and then lets go of the lock, so that nobody locks a removed file;
// harmless with null.
void PlatformUnlockFile(PlatformFileLockRef lock);
