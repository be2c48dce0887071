// The main bundle's resource files: the system file and, above it, the application's own.
#pragma once

#include "Resources/ResourceChain.h"

namespace platform::resources {

// Opens both read-only on the chain, leaving the application's file current. A missing or
// damaged file is left out.
void OpenBundleResourceFiles(ResourceChain& chain);

} // namespace platform::resources
