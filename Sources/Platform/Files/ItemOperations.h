// Creating, deleting and locking items by path: shared by the FSSpec, parameter-block and FSRef
// calls so that all of them treat sidecars and open files the same way.
#pragma once

#include "Platform/MacTypes.h"

#include <string>

namespace platform::files {

// An empty data fork; -48 when the name is taken, -120 when the folder is missing.
OSErr CreateEmptyFile(const std::string& path);

// A file (with its sidecar) or an empty folder: -45 when locked, -47 when open or not empty.
OSErr DeleteItem(const std::string& path);
// The lock is the owner's write permission.
OSErr SetLocked(const std::string& path, bool locked);

} // namespace platform::files
