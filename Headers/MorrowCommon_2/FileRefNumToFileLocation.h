// Where an open fork lives.
#pragma once

#include "Platform/Files.h"

// Fills spec with the volume, parent folder and name of the file whose fork refNum is open.
// isDataFork, when not null, receives true for a data fork and false for a resource fork.
// On an error nothing is written.
OSErr FileRefNumToFileLocation(SInt16 refNum, FSSpec* spec, Boolean* isDataFork);
