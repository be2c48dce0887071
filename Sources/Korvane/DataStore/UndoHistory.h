// The list's changes since the last Save, to be undone one at a time: before each change the
// working copy's text is kept, and Undo puts the last one kept back. At most kUndoSteps steps
// are kept (the oldest go first).
#pragma once

#include "Korvane/Shell/GlueRec.h"

constexpr int kUndoSteps = 100;

// Keeps the working copy's text as it is now, before a change of the list window's. Nothing
// without a list window (the command line undoes nothing).
void RememberListBeforeChange(GlueRec* context);
// Forgets every step: the list as it stands is the one to go back to (opened, or just saved).
void ForgetListChanges();
Boolean CanUndoListChange();
// Puts the last text kept back into the working copy and the list. Save stays active unless the
// list is back where the history began with nothing to save then.
OSErr UndoListChange(GlueRec* context);
