// Compiled as an application file, and as a file of the application's tests: the public headers
// of the layers below are in reach, the platform's internal ones are not.
#include "Korvane/Shell/GlueRec.h"
#include "MorrowCommon_2/MyPStrings.h"
#include "Platform/MacWindows.h"
#include "Utility/Utility.h"

#ifdef PROBE_INTERNAL_HEADER
#include "Windows/Window.h"
#endif
