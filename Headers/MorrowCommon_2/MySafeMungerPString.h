// In-place search and replace inside a relocatable block that holds a Str255.
#pragma once

#include "Platform/MacTypes.h"

// Replaces the first occurrence of the text of search in the string held by h with the text of
// replace, growing the block when replace is longer. An empty search matches at the start.
// Returns the 1-based position of the first replaced text byte, or -1 when nothing was changed:
// search is absent, h is null or smaller than its string, the result would exceed 255 bytes, or
// the block could not grow. The block's lock state is as it was found in every case; the block
// never shrinks.
SInt32 MySafeMungerPString(Handle h, ConstStr255Param search, ConstStr255Param replace);
