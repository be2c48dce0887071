// The host's own calls on the process: its children, its terminal, its standard output and the
// account it runs as.
#pragma once

#include "Platform/MacTypes.h"

#include <optional>
#include <string>

// How a child ended. Plain data.
struct PlatformChildEnd {
    Boolean exited;    // through exit: exitStatus holds its status
    SInt32 exitStatus; // 0..255
    SInt32 signal;     // the signal that ended it, when it did not exit
};

// Waits for any one child of the process to end and reaps it, through interruptions by
// signals. False when the process has no child to wait for.
Boolean PlatformWaitForChild(PlatformChildEnd* end);

// True when both standard input and standard output are terminals: a person is there to ask.
Boolean PlatformAtTerminal(void);

typedef struct OpaquePlatformHeldOutput* PlatformHeldOutputRef;

// From now on what the process (and the children it starts) writes to standard output is held
// back in a temporary file, or goes to standard error when none can be made. Null, and nothing
// held, when no memory is left.
PlatformHeldOutputRef PlatformHoldStandardOutput(void);

// Standard output is the one it was before the hold; with show, what was held is copied to
// standard error. Releases the reference; harmless with null.
void PlatformReleaseStandardOutput(PlatformHeldOutputRef held, Boolean show);

// True when the process runs with the superuser's rights (its effective user).
Boolean PlatformRunsAsSuperuser(void);

// The home folder the password database records for the user the process runs as (its real
// user); empty when the database has no entry for it.
std::optional<std::string> PlatformRecordedHomeDirectory();
