#include "Korvane/CommandLine/Subcommands.h"
#include "Korvane/Shell/ErrorText.h"
#include "Korvane/Shell/LocationReport.h"
#include "Korvane/Shell/ProgramOptions.h"
#include "Korvane/Shell/Startup.h"
#include "Platform/Display.h"
#include "Platform/HostProcess.h"
#include "Platform/Resources.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

int ReportLocationsOrFail(const char* programName) {
    OSErr err = ReportLocations(stdout);
    if (err == noErr) return 0;
    std::fprintf(stderr, "%s: cannot find the program's files (error %d)\n", programName, err);
    return 1;
}

// Without its resources the program has no menu bar, dialog or alert to show even this, so it
// says so here; a build of the program alone, without its bundle, ends up this way.
bool BundleResourcesOpen(const char* programName) {
    char path[1024];
    const OSErr err = PlatformApplicationResourceFileError(path, sizeof path);
    if (err == noErr) return true;
    std::fprintf(stderr,
                 "%s: cannot read the program's resource file %s (%s); the build or the "
                 "installation is incomplete\n",
                 programName, *path ? path : "(no Korvane.app bundle around the program)",
                 ErrorText(err));
    return false;
}

void UseHeadless(const char* scriptPath) {
    if (scriptPath == nullptr || !std::strcmp(scriptPath, "-")) scriptPath = "/dev/stdin";
    PlatformUseHeadlessDisplay(scriptPath);
}

// A terminal that cannot move its cursor (TERM=dumb, or none) would show nothing useful.
bool UseTerminal(const char* programName) {
    if (PlatformUseTerminalDisplay()) return true;
    const char* term = std::getenv("TERM");
    std::fprintf(stderr,
                 "%s: this terminal (TERM=%s) cannot move its cursor, so the list cannot be "
                 "shown on it.\nUse a terminal that can (TERM=xterm-256color, say), or the "
                 "command line:\n  korvane list\n  korvane add LOGIN ID USER NAME\n"
                 "  korvane --help (every subcommand)\n",
                 programName, term && *term ? term : "unset");
    return false;
}

// A script named with --script runs on the headless display; people get a window on a desktop,
// also when started without a terminal (from a launcher, or with nohup), else the terminal.
// Without either, standard input is the script. A display asked for that cannot be had is an
// error.
bool ChooseDisplay(const ProgramOptions& options, const char* programName) {
    const bool atTerminal = PlatformAtTerminal();
    switch (options.display) {
    case DisplayChoice::Headless:
        UseHeadless(options.scriptPath);
        return true;
    case DisplayChoice::Window:
        if (PlatformUseWindowDisplay()) return true;
        std::fprintf(stderr, "%s: cannot open a window: %s\n", programName,
                     PlatformWindowDisplayRefusal());
        return false;
    case DisplayChoice::Terminal:
        if (!atTerminal)
            std::fprintf(stderr, "%s: the terminal display needs a terminal\n", programName);
        return atTerminal && UseTerminal(programName);
    case DisplayChoice::Automatic:
        break;
    }
    if (options.scriptPath != nullptr)
        UseHeadless(options.scriptPath);
    else if (PlatformUseWindowDisplay())
        return true;
    else if (atTerminal)
        return UseTerminal(programName);
    else
        UseHeadless(nullptr);
    return true;
}

} // namespace

int main(int argc, char** argv) {
    if (argc > 1 && IsSubcommand(argv[1])) return RunSubcommand(argc - 1, argv + 1);
    ProgramOptions options = ParseProgramOptions(argc, argv);
    switch (options.action) {
    case ProgramAction::Help:
        PrintUsage(argv[0]);
        return 0;
    case ProgramAction::Version:
        std::printf("Korvane %s\n", KORVANE_VERSION);
        return 0;
    case ProgramAction::Locations:
        return ReportLocationsOrFail(argv[0]);
    case ProgramAction::Invalid:
        std::fprintf(stderr, "%s: %s '%s' (try --help)\n", argv[0], options.invalidReason,
                     options.invalidArgument);
        return 2;
    case ProgramAction::Run:
        break;
    }
    if (!BundleResourcesOpen(argv[0])) return 3;
    if (!ChooseDisplay(options, argv[0])) return 2;
    Initialize();
    Do();
    return 0;
}
