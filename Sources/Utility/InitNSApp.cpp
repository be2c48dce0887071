#include "Utility/Utility.h"

#include "Platform/Foundation.h"
#include "Platform/Gestalt.h"

// The object layer must not be loaded this way on 10.9.0 and 10.9.1.
Boolean InitNSApp(void) {
    SInt32 major = 0, minor = 0, patch = 0;
    Gestalt(gestaltSystemVersionMajor, &major);
    Gestalt(gestaltSystemVersionMinor, &minor);
    Gestalt(gestaltSystemVersionBugFix, &patch);
    if (major == 10 && minor == 9 && UInt32(patch) <= 1) return false;
    return NSApplicationLoad();
}
