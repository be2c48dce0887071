#include "Korvane/CommandLine.h"

#include <cstdio>
#include <cstring>

CommandLineOptions ParseCommandLine(int argc, const char* const* argv) {
    CommandLineOptions options;
    for (int i = 1; i < argc; ++i) {
        if (!std::strcmp(argv[i], "--help") || !std::strcmp(argv[i], "-h")) {
            options.action = CommandLineAction::Help;
        } else if (!std::strcmp(argv[i], "--version")) {
            options.action = CommandLineAction::Version;
        } else {
            options.action = CommandLineAction::Invalid;
            options.invalidArgument = argv[i];
            break;
        }
    }
    return options;
}

void PrintUsage(const char* programName) {
    std::printf("Usage: %s [--help | --version]\n"
                "\n"
                "Keeps the printing job-accounting list: each account's login name, user name\n"
                "and numeric account ID, in one system-wide file edited through a working copy.\n"
                "\n"
                "  --help      show this text\n"
                "  --version   show the program's version\n"
                "\n"
                "Environment:\n"
                "  KORVANE_LOCAL_ROOT  the local domain's root (default /): the job-accounting\n"
                "                      file lies in <root>/Library/Preferences/<OEM Name>/\n"
                "  XDG_CONFIG_HOME     the user's Preferences folder (default ~/.config)\n",
                programName);
}
