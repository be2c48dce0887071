// Style scraps ('styl') as stored: big-endian, read where they lie.
#pragma once

#include "TextEdit/StyleRuns.h"

namespace platform::textedit {

// The scrap's runs in order; a run that does not start after the one before it, and a run
// cut short by the end of the handle, are left out. Heights and ascents are not kept: every
// line is one height.
std::vector<StyleRun> ReadStyleScrap(StScrpHandle scrap);

} // namespace platform::textedit
