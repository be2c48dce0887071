// The one way the platform replaces a file whole, for the host's own files and the File
// Manager's sidecars alike.
#pragma once

#include <cstddef>
#include <string>
#include <sys/types.h>

namespace platform::host {

// Gives the file at path exactly these bytes: written to a new file beside it, made exclusively
// under a unique name (PATH.korvane-PID-RANDOM) and never through a link, its permission bits
// set to mode whatever the umask, then renamed over path. A failure leaves the file as it was
// and nothing of the new one behind; a link planted at path is replaced, not followed. 0, or
// the errno of the step that failed (EIO for a short write). Nothing is flushed: these are the
// user's own files.
int ReplaceFileWhole(const std::string& path, const void* bytes, size_t length, mode_t mode);

} // namespace platform::host
