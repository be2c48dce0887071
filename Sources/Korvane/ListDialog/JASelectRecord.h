// Selecting an entry in the list dialog as a click on its row does: the whole row, with the
// buttons that act on a selection made active.
#pragma once

#include "Korvane/Shell/GlueRec.h"
#include "Platform/Lists.h"

void JASelectListRow(ListHandle list, SInt16 row, Boolean on);
// Shows the entry's page, selects its row instead of any other and scrolls it into view. 0 or
// memFullErr, from building the rows of another page.
OSErr JASelectRecord(GlueRec* context, SInt16 recordIndex);
