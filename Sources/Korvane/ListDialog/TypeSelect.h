// Typing in the list dialog: the letters typed select the first row of the page whose user
// name starts with them, case ignored; after a pause the next letter starts afresh.
#pragma once

#include "Korvane/Shell/GlueRec.h"

// True when the event was a key that the typing took.
Boolean TypeSelectJAEntry(GlueRec* context, const EventRecord* event);
