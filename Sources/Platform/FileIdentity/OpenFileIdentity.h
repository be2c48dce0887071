// The identity of a file already opened, for the program and its commit helper alike, which
// opens its files relative to a folder it holds.
#pragma once

#include "Platform/FileIdentity.h"

namespace platform::identity {

// FNV-1a: a change check, not a defence: whoever can write the file is root already.
UInt64 HashBytes(const void* bytes, size_t count);

// The open file's place, size and times, and its content's hash read from where it is. A file
// that is no plain file, or cannot be read, exists with a size of -1.
PlatformFileIdentity IdentityOfOpenFile(int fd);

// The file at name in the folder (AT_FDCWD for a path), never through a link: a missing file
// is one that does not exist.
PlatformFileIdentity IdentityAt(int folder, const char* name);

} // namespace platform::identity
