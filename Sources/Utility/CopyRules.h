// The two ways this module hands text to its callers.
#pragma once

#include "Platform/MacTypes.h"

#include <optional>
#include <string>

// Copies the text into buffer only when it fits with its terminator.
Boolean CopyTextToBuffer(const std::optional<std::string>& text, char* buffer,
                         unsigned long bufferSize);

// A malloc'ed copy of the text, 2 bytes longer than the text; null when memory runs out.
char* MallocTextCopy(const std::string& text);
