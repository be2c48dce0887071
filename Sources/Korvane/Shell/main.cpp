#include "Korvane/CommandLine/Subcommands.h"
#include "Korvane/Shell/CommandLine.h"
#include "Korvane/Shell/LocationReport.h"
#include "Korvane/Shell/Startup.h"
#include "Platform/Display.h"

#include <cstdio>
#include <cstring>
#include <unistd.h>

namespace {

int ReportLocationsOrFail(const char* programName) {
    OSErr err = ReportLocations(stdout);
    if (err == noErr) return 0;
    std::fprintf(stderr, "%s: cannot find the program's files (error %d)\n", programName, err);
    return 1;
}

// People at a terminal get the terminal display; a script (named, or piped in on standard
// input) runs on the headless one.
void ChooseDisplay(const char* scriptPath) {
    if (scriptPath == nullptr && isatty(STDIN_FILENO) && isatty(STDOUT_FILENO)) {
        PlatformUseTerminalDisplay();
        return;
    }
    if (scriptPath == nullptr || !std::strcmp(scriptPath, "-")) scriptPath = "/dev/stdin";
    PlatformUseHeadlessDisplay(scriptPath);
}

} // namespace

int main(int argc, char** argv) {
    if (argc > 1 && IsSubcommand(argv[1])) return RunSubcommand(argc - 1, argv + 1);
    CommandLineOptions options = ParseCommandLine(argc, argv);
    switch (options.action) {
    case CommandLineAction::Help:
        PrintUsage(argv[0]);
        return 0;
    case CommandLineAction::Version:
        std::printf("Korvane %s\n", KORVANE_VERSION);
        return 0;
    case CommandLineAction::Locations:
        return ReportLocationsOrFail(argv[0]);
    case CommandLineAction::Invalid:
        std::fprintf(stderr, "%s: unknown option '%s' (try --help)\n", argv[0],
                     options.invalidArgument);
        return 2;
    case CommandLineAction::Run:
        break;
    }
    ChooseDisplay(options.scriptPath);
    Initialize();
    Do();
    return 0;
}
