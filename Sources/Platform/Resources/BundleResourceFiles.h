// The main bundle's resource files: the system file and, above it, the application's own.
#pragma once

#include "Platform/MacErrors.h"
#include "Resources/ResourceChain.h"

#include <string>

namespace platform::resources {

// How opening the application's own file went, and where it was looked for (empty when no
// main bundle was found).
struct BundleFileOutcome {
    OSErr err = fnfErr;
    std::string path;
};

// Opens both read-only on the chain, leaving the application's file current. A missing or
// damaged file is left out.
BundleFileOutcome OpenBundleResourceFiles(ResourceChain& chain);

} // namespace platform::resources
