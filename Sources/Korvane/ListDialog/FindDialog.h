// Find and Find Next: the list dialog's way to an entry on any page.
#pragma once

#include "Korvane/Shell/GlueRec.h"

// The Find dialog; a match closes it, selected in the list.
void FindJAEntry(GlueRec* context);
// The text of the last Find again, from after the selected entry; the Find dialog when nothing
// was looked for yet.
void FindNextJAEntry(GlueRec* context);
