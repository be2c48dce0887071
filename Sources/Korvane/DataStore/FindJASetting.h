// One login name's entry, as the program reads the list: for the command line and the printing
// backend, which must agree on which account a job is billed to.
#pragma once

#include "Korvane/DataStore/JASetting.h"

// The first entry of the settings text whose login name is login (LoginNames.h); false
// when none has it.
bool FindJASetting(const UInt8* text, SInt32 length, const char* login, JASetting* found);
