#include "Platform/HostProcess.h"

#include <cerrno>
#include <sys/wait.h>

Boolean PlatformWaitForChild(PlatformChildEnd* end) {
    int status = 0;
    pid_t ended;
    while ((ended = wait(&status)) < 0 && errno == EINTR) {
    }
    if (ended <= 0) return false;
    *end = PlatformChildEnd{WIFEXITED(status), WIFEXITED(status) ? WEXITSTATUS(status) : 0,
                            WIFSIGNALED(status) ? WTERMSIG(status) : 0};
    return true;
}
