#include "Korvane/Shell/ProgramOptions.h"

#include <cstdio>
#include <cstring>

namespace {

// The display that --display=NAME names; false for an unknown name.
bool ParseDisplay(const char* name, DisplayChoice* choice) {
    if (!std::strcmp(name, "window"))
        *choice = DisplayChoice::Window;
    else if (!std::strcmp(name, "terminal"))
        *choice = DisplayChoice::Terminal;
    else if (!std::strcmp(name, "headless"))
        *choice = DisplayChoice::Headless;
    else
        return false;
    return true;
}

} // namespace

ProgramOptions ParseProgramOptions(int argc, const char* const* argv) {
    ProgramOptions options;
    const char* displayArgument = nullptr;
    for (int i = 1; i < argc; ++i) {
        if (!std::strncmp(argv[i], "--display=", 10) &&
            ParseDisplay(argv[i] + 10, &options.display)) {
            displayArgument = argv[i];
            continue;
        }
        if (!std::strcmp(argv[i], "--help") || !std::strcmp(argv[i], "-h")) {
            options.action = ProgramAction::Help;
        } else if (!std::strcmp(argv[i], "--version")) {
            options.action = ProgramAction::Version;
        } else if (!std::strcmp(argv[i], "--locations")) {
            options.action = ProgramAction::Locations;
        } else if (!std::strcmp(argv[i], "--script") && i + 1 < argc) {
            options.scriptPath = argv[++i];
        } else {
            options.action = ProgramAction::Invalid;
            options.invalidArgument = argv[i];
            break;
        }
    }
    // A script runs on the headless display only.
    if (options.action == ProgramAction::Run && options.scriptPath &&
        options.display != DisplayChoice::Automatic && options.display != DisplayChoice::Headless) {
        options.action = ProgramAction::Invalid;
        options.invalidArgument = displayArgument;
        options.invalidReason = "a script runs on the headless display only, not with";
    }
    return options;
}

void PrintUsage(const char* programName) {
    std::printf("Usage: %s [--display=window|terminal|headless] [--script FILE]\n"
                "       %s --locations | --help | --version\n"
                "       %s list [--format=csv|json|text]\n"
                "       %s export [FILE]\n"
                "       %s check [FILE|-]\n"
                "       %s import FILE|- [--dry-run] [--force] [--format=json]\n"
                "       %s add LOGIN ID [USER NAME] [--replace] [--force] [--format=json]\n"
                "       %s set LOGIN [--id ID] [--user NAME] [--force] [--format=json]\n"
                "       %s remove LOGIN... [--force] [--format=json]\n"
                "       %s restore [--dry-run] [--format=json]\n"
                "       %s get LOGIN\n"
                "       %s apply FILE|- [--dry-run] [--force] [--allow-empty] [--format=json]\n"
                "       %s diff [FILE|-]\n"
                "\n"
                "Keeps the printing job-accounting list: each account's login name, user name\n"
                "and numeric account ID, in one system-wide file edited through a working copy.\n"
                "On a desktop (DISPLAY or WAYLAND_DISPLAY set) it opens a window, also when\n"
                "started from a launcher; without a desktop it runs full screen in the\n"
                "terminal. Both take the mouse and the keyboard (Tab, arrows, Space, F10 for\n"
                "the menus, Ctrl or Alt as Command). Without a desktop and with standard input\n"
                "not a terminal, it reads a script from it (--script - does so always).\n"
                "\n"
                "  --display=window    a desktop window; an error (status 2) when none opens\n"
                "  --display=terminal  full screen in the terminal\n"
                "  --display=headless  the headless display, driven by the script on standard\n"
                "                 input or in the --script FILE\n"
                "  --script FILE  run on the headless display, driven by the script in FILE\n"
                "                 (\"-\" reads it from standard input); see the README\n"
                "  --locations    show where the program's files are, and end\n"
                "  --help         show this text\n"
                "  --version      show the program's version\n"
                "\n"
                "Subcommands, for scripts; they work on the job-accounting file directly:\n"
                "  list           its accounts in file order: login name, ID, user name\n"
                "                 (text columns, CSV or a JSON array)\n"
                "  export [FILE]  its bytes, unchanged, to FILE or standard output\n"
                "  check [FILE]   checks each line of the job-accounting file by the entry\n"
                "                 editor's rules, printing FILE:LINE: what is wrong; with FILE,\n"
                "                 the lines that import or apply would leave out, and why\n"
                "  import FILE    merges the CSV file's lines (login name,ID,user name) into\n"
                "                 the list as the program's import does and saves it; prints\n"
                "                 FILE:LINE: skipped: why, for each line left out, and what\n"
                "                 it added or replaced. --dry-run reports and changes nothing\n"
                "  add, set, remove  change the list by the entry editor's rules and save it as\n"
                "                 Save does (as root, or asked for at a terminal); each prints\n"
                "                 what it changed. add puts a new account first; a listed\n"
                "                 login name needs --replace. A file with lines the list\n"
                "                 cannot keep as they stand is replaced only with --force\n"
                "  restore        puts back the backup that the last save kept beside the file\n"
                "                 (its name and \"-\"), saving it as add does; prints what that\n"
                "                 changes. --dry-run only prints it\n"
                "  get LOGIN      prints the account ID of the login name\n"
                "  apply FILE     makes the list exactly the accounts of FILE (the import's\n"
                "                 CSV or the file's own format) in one save, printing what it\n"
                "                 added, removed and changed; nothing is saved when the list\n"
                "                 holds them already. A refused line refuses all of FILE\n"
                "  diff [FILE]    the list against FILE, or against the working copy of a\n"
                "                 running program: 0 the same accounts, 1 not, 2 trouble\n"
                "FILE - is standard input. SUBCOMMAND --help shows its usage. --format=json\n"
                "prints what a change did as one JSON object (see the README).\n"
                "Exit status: 0 done, 1 refused by the rules or the user (a bad line or entry,\n"
                "rights refused; import: some lines refused, the others imported), 2 usage,\n"
                "3 a system error (a file that cannot be read or written; the program's own\n"
                "resources or menu bar missing), 4 no account has the login name, 5 the list\n"
                "is in use (a run of the program, or another subcommand, has it open), 6 the\n"
                "job-accounting file changed since it was read (someone saved meanwhile;\n"
                "nothing written).\n"
                "\n"
                "Environment:\n"
                "  KORVANE_LOCAL_ROOT  the local domain's root (default /): the job-accounting\n"
                "                      file lies in <root>/etc/<OEM Name>/ (one found only in\n"
                "                      <root>/Library/Preferences/<OEM Name>/ moves at a save)\n"
                "  XDG_CONFIG_HOME     the user's Preferences folder (default ~/.config)\n"
                "  KORVANE_SYSLOG_SOCKET  where the audit entries go (default /dev/log)\n"
                "  GDK_SCALE           the window's scale, a whole number (default: the\n"
                "                      desktop's)\n",
                programName, programName, programName, programName, programName, programName,
                programName, programName, programName, programName, programName, programName,
                programName);
}
