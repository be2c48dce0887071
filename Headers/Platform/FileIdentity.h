// What a file is: enough to tell that nobody replaced or changed it since it was read. The host's
// own calls, shared by the program and its commit helper.
#pragma once

#include "Platform/MacTypes.h"

#include <cstddef>

// Plain data; all zero is a missing file.
struct PlatformFileIdentity {
    Boolean exists;
    UInt64 device;
    UInt64 inode;
    SInt64 size;
    SInt64 modSeconds;
    SInt64 modNanoseconds;
    UInt64 contentHash;
};

// The file at path as it is now, its content being the length bytes at text (the bytes just
// read from it or written to it). A missing file, or an empty path, is one that does not exist.
void PlatformNoteFileIdentity(const char* path, const void* text, SInt32 length,
                              PlatformFileIdentity* identity);

// The same identity with its hash for these bytes: for a file whose place and times were
// reported by someone else, as the commit helper reports the file it wrote.
void PlatformHashFileContent(const void* text, SInt32 length, PlatformFileIdentity* identity);

// The file at path as it is now, its content read afresh. A file that is there but cannot be
// read, or is no plain file, exists with a size of -1, which matches nothing.
PlatformFileIdentity PlatformCurrentFileIdentity(const char* path);

Boolean PlatformSameFileIdentity(const PlatformFileIdentity* a, const PlatformFileIdentity* b);
