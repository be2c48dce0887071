// Start-up: the one-time platform set-up, the context's lifetime, and the quit question.
#pragma once

#include "Korvane/Shell/GlueRec.h"
#include "Platform/Menus.h"

// Cursor, the object layer, the navigation callback. Always 0.
OSErr Initialize();
// Runs the whole program: start-up, the main loop, shutdown.
void Do();
// Locates every file, creates the per-user ones when missing, loads the menu bar and installs the
// command handler. 0 or the first error met.
OSErr DoInit(GlueRec* context);
OSStatus setupApplicationEvent(GlueRec* context);
// Ends the process (status 0) when the menu bar cannot be set.
void makeMenu(IBNibRef nib);
// Asked after each turn of the main loop: with unsaved changes, alert 1009 offers to commit, to
// quit without, or (Cancel, Escape) to keep the program running with the changes.
// Returns the commit's status, or 0 when nothing was committed.
OSErr AskToSaveBeforeQuitting(GlueRec* context);
