// The caution alert a save chooser shows before it replaces a file.
#pragma once

#include <string>

namespace platform::navigation {

// True when the user agrees to replace the file of that name; false when they cancel or the
// system file lacks the alert.
bool AskToReplace(const std::string& name);

} // namespace platform::navigation
