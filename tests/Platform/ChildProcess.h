// Test support for the host's process calls: a piece of a test run in a child process, which
// ends with the status the piece returns, so that what it changes (descriptors, user) stays
// there.
#pragma once

#include <cstdio>
#include <pwd.h>
#include <sys/wait.h>
#include <unistd.h>

namespace testsupport {

// The child's exit status; -1 when it did not exit.
template <class Piece> int RunInChild(Piece piece) {
    std::fflush(nullptr); // nothing buffered is written twice
    const pid_t child = fork();
    if (child == 0) {
        const int status = piece();
        std::fflush(nullptr); // _exit flushes nothing
        _exit(status);
    }
    int status = 0;
    if (child < 0 || waitpid(child, &status, 0) != child || !WIFEXITED(status)) return -1;
    return WEXITSTATUS(status);
}

// Makes the process run as nobody; false when it cannot.
inline bool BecomeNobody() {
    const passwd* nobody = getpwnam("nobody");
    return nobody && setgid(nobody->pw_gid) == 0 && setuid(nobody->pw_uid) == 0;
}

} // namespace testsupport
