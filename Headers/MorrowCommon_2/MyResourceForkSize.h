// A required part of the support library that the program does not call; built in the
// separate target MorrowCommon_2NotCalled and tested in tests/MorrowCommon_2/NotCalled.
// The size of a file's resource fork, from its catalog information.
#pragma once

#include "Platform/Files.h"

// size receives the logical (or physical) length, or 0 on an error.
OSErr GetFileLogicalResourceForkSize(const FSSpec* spec, SInt32* size);
OSErr GetFilePhysicalResourceForkSize(const FSSpec* spec, SInt32* size);

// has becomes true when the resource fork has a physical or else a logical length; it is false
// on an error, which is returned.
OSErr TheFileHasResourceFork(const FSSpec* spec, Boolean* has);
