#include "Utility/Utility.h"

#include "Platform/Foundation.h"

#include <cstring>
#include <pwd.h>
#include <unistd.h>

// A user without a password entry has no recorded home to differ from: not sandboxed. Nor is
// root, whatever its HOME (su -m, sudo -E): no confinement runs as root, and the system file
// must then be committed as root commits it, never with plain file calls.
Boolean IsSandboxed(void) {
    if (geteuid() == 0) return false;
    NSAutoreleasePool pool;
    std::optional<std::string> home = NSHomeDirectory();
    const passwd* user = getpwuid(getuid());
    if (!home || !user || !user->pw_dir) return false;
    return std::strcmp(home->c_str(), user->pw_dir) != 0;
}
