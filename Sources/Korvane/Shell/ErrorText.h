// A file error in words, for messages that name a file and the system's reason.
#pragma once

#include "Platform/MacTypes.h"

// "permission denied", "no such file", ...; "error N" for a code without words of its own (the
// text then lives until the next call).
const char* ErrorText(OSErr err);
