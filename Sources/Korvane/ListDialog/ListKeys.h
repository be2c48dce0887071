// Keys that act on the list as its buttons do, for people at a keyboard: Return or Enter edits
// the selected row, Delete (or Backspace) deletes it, Insert is New, Page Up and Page Down turn
// the pages, Home and End go to the first and the last account.
#pragma once

#include "Korvane/Shell/GlueRec.h"

// True when the key event was one of them and has been acted on (or ignored, its button being
// inactive); false for any other event, which goes on its way.
Boolean HandleListKey(GlueRec* context, DialogRef list, const EventRecord* event);
