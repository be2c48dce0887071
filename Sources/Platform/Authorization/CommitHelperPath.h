// Where the bundle's commit helper lies: beside the program.
#pragma once

#include <optional>
#include <string>

namespace platform::authorization {

// "<bundle>/Contents/MacOS/korvane-commit"; nothing when the program's bundle is not known.
std::optional<std::string> CommitHelperPath();

} // namespace platform::authorization
