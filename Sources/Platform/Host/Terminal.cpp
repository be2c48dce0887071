#include "Platform/HostProcess.h"

#include "Host/Descriptor.h"

#include <cstdio>
#include <new>

Boolean PlatformAtTerminal(void) {
    return isatty(STDIN_FILENO) && isatty(STDOUT_FILENO);
}

struct OpaquePlatformHeldOutput {
    std::FILE* held = std::tmpfile();
    platform::host::Descriptor saved{dup(STDOUT_FILENO)};
};

PlatformHeldOutputRef PlatformHoldStandardOutput(void) {
    auto* hold = new (std::nothrow) OpaquePlatformHeldOutput;
    if (!hold) return nullptr;
    std::fflush(stdout);
    dup2(hold->held ? fileno(hold->held) : STDERR_FILENO, STDOUT_FILENO);
    return hold;
}

namespace {

void CopyToStandardError(std::FILE* held) {
    std::rewind(held);
    char piece[512];
    size_t got;
    while ((got = std::fread(piece, 1, sizeof piece, held)) > 0)
        std::fwrite(piece, 1, got, stderr);
}

} // namespace

void PlatformReleaseStandardOutput(PlatformHeldOutputRef hold, Boolean show) {
    if (!hold) return;
    std::fflush(stdout);
    if (hold->saved) dup2(hold->saved.Get(), STDOUT_FILENO);
    if (hold->held && show) CopyToStandardError(hold->held);
    if (hold->held) std::fclose(hold->held);
    delete hold;
}
