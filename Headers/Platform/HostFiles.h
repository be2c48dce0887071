// The host's own calls on files named by path, for what the File Manager's calls do not cover:
// files that the command line names, and the kind of the file behind a path.
#pragma once

#include "Platform/MacTypes.h"

#include <string>

// Reads the whole plain file at path (null: standard input, read to its end) into *text,
// without waiting on a FIFO and no more than maxLength bytes. noErr; notAFileErr for anything
// but a plain file; fsDataTooBigErr for more than maxLength bytes (also for a file that grows
// past it while it is read); kPOSIXErrorBase + errno when the system refuses.
OSStatus PlatformReadFileWhole(const char* path, SInt32 maxLength, std::string* text);

// Gives the file at path exactly these bytes: written to a new file beside it, made exclusively
// under a unique name and never through a link, then renamed over it, so that a failure leaves
// the file as it was and a link planted at path is replaced, not followed. A plain file keeps
// its permission bits (read and write); a new file is the user's alone (0600). noErr or
// kPOSIXErrorBase + errno; nothing of the new file is left behind on failure.
OSStatus PlatformWriteFileWhole(const char* path, const void* text, SInt32 length);

// noErr when path names a plain file itself, not a link to one; fnfErr when nothing is there
// (or it cannot be looked at); permErr for anything else.
OSErr PlatformCheckPlainFile(const char* path);
