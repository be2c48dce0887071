// The ICU collators behind the text comparison, one for each setting of the options that
// matter, opened on first use and kept until the process ends.
#pragma once

#include "Platform/UnicodeUtilities.h"

#include <unicode/ucol.h>

namespace platform {

// Null when the collation data cannot be loaded. Comparing through a collator does not change
// it, so threads may share one.
UCollator* CollatorFor(UCCollateOptions options);

} // namespace platform
