// How the File Manager reports Linux errors.
#pragma once

#include "Platform/MacTypes.h"

namespace platform::files {

enum class Operation { Open, Change };

// errno as a File Manager result code; a refused change of a folder's contents is an access
// error, a refused open a permission error, as the original platform reported them.
OSErr ErrnoToOSErr(int error, Operation operation = Operation::Change);

} // namespace platform::files
