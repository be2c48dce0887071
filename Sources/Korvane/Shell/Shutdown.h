// Closing every dialog and cleaning up at the end of a run.
#pragma once

#include "Korvane/Shell/GlueRec.h"

// Closes the list dialog with its companions, recording positions, and releases the list's state
// record. Always 0; harmless twice.
OSErr DisposeAllDialogs(GlueRec* context);
// DisposeAllDialogs, then deletes the working copy; the deletion's result.
OSErr DoTerminate(GlueRec* context);
