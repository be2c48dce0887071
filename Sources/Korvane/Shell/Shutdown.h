// Closing every dialog and cleaning up at the end of a run.
#pragma once

#include "Korvane/Shell/GlueRec.h"

// Closes the list dialog with its companions, recording positions, and releases the list's state
// record. Always 0; harmless twice.
OSErr DisposeAllDialogs(GlueRec* context);
// DisposeAllDialogs, then deletes the working copy and lets go of its lock; the deletion's
// result. A run that did not get the lock leaves the working copy alone.
OSErr DoTerminate(GlueRec* context);
