// The header of a resource block: "keyword id ["name"] [attributes]".
#pragma once

#include "TokenReader.h"

#include "Platform/ResourceFileFormat.h"

namespace rc {

// Reads the id, the optional name and the attribute words that follow them.
platform::resources::ResourceEntry ReadResourceHeader(TokenReader& header, ResType type);

} // namespace rc
