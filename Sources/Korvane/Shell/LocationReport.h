// Where the program keeps its files, as found from the bundle and the standard folders.
#pragma once

#include "Platform/MacTypes.h"

#include <cstdio>

// Writes the user's Preferences folder, the application preferences file, the working copy and
// the job-accounting file's path, and where it is still read from until the next save moves it
// from where earlier versions kept it. Returns the first error met finding them.
OSErr ReportLocations(std::FILE* out);
