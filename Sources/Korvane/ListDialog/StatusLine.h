// The list window's status line (item 23): the selected account's login name, the number of
// accounts, the page on show, and whether the list is saved, from string list 134.
#pragma once

#include "Korvane/Shell/GlueRec.h"

// Shows the line as the list stands now; the item is rewritten only when its text changes.
void ShowJAStatusLine(GlueRec* context);
