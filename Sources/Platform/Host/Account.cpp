#include "Platform/HostProcess.h"

#include <pwd.h>
#include <unistd.h>

Boolean PlatformRunsAsSuperuser(void) {
    return geteuid() == 0;
}

std::optional<std::string> PlatformRecordedHomeDirectory() {
    const passwd* user = getpwuid(getuid());
    if (!user || !user->pw_dir) return std::nullopt;
    return std::string(user->pw_dir);
}
