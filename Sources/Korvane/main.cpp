#include "Korvane/CommandLine.h"
#include "Korvane/LocationReport.h"

#include <cstdio>

int main(int argc, char** argv) {
    CommandLineOptions options = ParseCommandLine(argc, argv);
    switch (options.action) {
    case CommandLineAction::Help:
        PrintUsage(argv[0]);
        return 0;
    case CommandLineAction::Version:
        std::printf("Korvane %s\n", KORVANE_VERSION);
        return 0;
    case CommandLineAction::Invalid:
        std::fprintf(stderr, "%s: unknown option '%s' (try --help)\n", argv[0],
                     options.invalidArgument);
        return 2;
    case CommandLineAction::Run:
        break;
    }
    OSErr err = ReportLocations(stdout);
    if (err != noErr) {
        std::fprintf(stderr, "%s: cannot find the program's files (error %d)\n", argv[0], err);
        return 1;
    }
    return 0;
}
