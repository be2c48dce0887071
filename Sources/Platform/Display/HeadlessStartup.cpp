#include "Platform/Display.h"

#include "Display/Headless/HeadlessBackend.h"
#include "Platform/PlatformTesting.h"
#include "Platform/Resources.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iostream>
#include <unistd.h>

namespace {

using platform::display::HeadlessBackend;

HeadlessBackend* startedBackend = nullptr;

[[noreturn]] void FailBeforeStart(const std::string& message) {
    std::cerr << message << std::endl;
    std::exit(kHeadlessScriptErrorStatus);
}

// The program may end normally after its script ran out; it still did not finish the script's
// work, so the exit status says so. _exit keeps the normal exit from running twice, so the
// resource files that exit would have closed are closed here.
void CheckScriptAtExit() {
    if (!startedBackend || &platform::display::CurrentBackend() != startedBackend) return;
    if (!startedBackend->ScriptEndedEarly()) return;
    PlatformResetResourceChain();
    std::cout.flush();
    std::cerr << "The program ended after its script had run out; exit status "
              << kHeadlessScriptEndedEarlyStatus << "." << std::endl;
    std::fflush(nullptr);
    _exit(kHeadlessScriptEndedEarlyStatus);
}

} // namespace

void PlatformUseHeadlessDisplay(const char* scriptPath) {
    std::ifstream in(scriptPath);
    if (!in) FailBeforeStart(std::string(scriptPath) + ": " + std::strerror(errno));
    platform::display::HeadlessScript script = platform::display::ParseHeadlessScript(in);
    if (!script.error.empty()) FailBeforeStart(std::string(scriptPath) + ": " + script.error);
    auto backend = std::make_unique<HeadlessBackend>(std::move(script), std::cout, std::cerr);
    startedBackend = backend.get();
    platform::display::InstallBackend(std::move(backend));
    // The Resource Manager starts first, so that it is still there when the check runs.
    CurResFile();
    static bool checkRegistered = false;
    if (!checkRegistered) checkRegistered = std::atexit(CheckScriptAtExit) == 0;
}
