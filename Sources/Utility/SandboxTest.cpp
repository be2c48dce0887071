#include "Utility/Utility.h"

#include "Platform/Foundation.h"
#include "Platform/HostProcess.h"

#include <cstring>

// A user without a password entry has no recorded home to differ from: not sandboxed. Nor is
// root, whatever its HOME (su -m, sudo -E): no confinement runs as root, and the system file
// must then be committed as root commits it, never with plain file calls.
Boolean IsSandboxed(void) {
    if (PlatformRunsAsSuperuser()) return false;
    NSAutoreleasePool pool;
    std::optional<std::string> home = NSHomeDirectory();
    std::optional<std::string> recorded = PlatformRecordedHomeDirectory();
    if (!home || !recorded) return false;
    return std::strcmp(home->c_str(), recorded->c_str()) != 0;
}
