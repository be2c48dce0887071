#include "Utility/Utility.h"

#include "Platform/Foundation.h"

#include <cstring>
#include <pwd.h>
#include <unistd.h>

// A user without a password entry has no recorded home to differ from: not sandboxed.
Boolean IsSandboxed(void) {
    NSAutoreleasePool pool;
    std::optional<std::string> home = NSHomeDirectory();
    const passwd* user = getpwuid(getuid());
    if (!home || !user || !user->pw_dir) return false;
    return std::strcmp(home->c_str(), user->pw_dir) != 0;
}
