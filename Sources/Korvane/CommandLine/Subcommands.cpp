#include "Korvane/CommandLine/Subcommands.h"

#include "Korvane/CommandLine/ListText.h"

#include <cstdio>
#include <cstring>

namespace {

struct Subcommand {
    const char* name;
    int (*run)(int argc, char** argv);
    const char* synopsis;
    const char* purpose;
};

constexpr Subcommand kSubcommands[] = {
    {"list", ListCommand, "list [--format=csv|json|text]", "prints the accounts in file order"},
    {"export", ExportCommand, "export [FILE]",
     "writes the job-accounting file's bytes, unchanged, to FILE or standard output"},
    {"check", CheckCommand, "check [FILE|-]",
     "names each line of a list or import file that the list would not take, and why"},
    {"import", ImportCommand, "import FILE|- [--dry-run] [--force] [--format=json]",
     "merges a CSV file's accounts into the list and saves it"},
    {"add", AddCommand, "add LOGIN ID [USER NAME] [--replace] [--force] [--format=json]",
     "adds an account (or replaces one with --replace) and saves the list"},
    {"set", SetCommand, "set LOGIN [--id ID] [--user NAME] [--force] [--format=json]",
     "changes an account's ID or user name and saves the list"},
    {"remove", RemoveCommand, "remove LOGIN... [--force] [--format=json]",
     "removes accounts and saves the list"},
    {"restore", RestoreCommand, "restore [--dry-run] [--format=json]",
     "puts back the backup that the last save kept, and saves it"},
    {"get", GetCommand, "get LOGIN", "prints the account ID of the login name"},
    {"apply", ApplyCommand, "apply FILE|- [--dry-run] [--force] [--allow-empty] [--format=json]",
     "makes the list exactly the accounts of FILE, in one save; nothing is saved when it holds "
     "them already"},
    {"diff", DiffCommand, "diff [FILE|-]",
     "compares the list with FILE, or with the working copy of a running program: 0 the same "
     "accounts, 1 not"},
};

const Subcommand* Find(const char* word) {
    for (const Subcommand& subcommand : kSubcommands)
        if (!std::strcmp(subcommand.name, word)) return &subcommand;
    return nullptr;
}

// "SUBCOMMAND --help"; a --help later on is some field's text.
bool AsksForHelp(int argc, char** argv) {
    return argc > 1 && !std::strcmp(argv[1], "--help");
}

} // namespace

bool IsSubcommand(const char* word) {
    return Find(word) != nullptr;
}

int RunSubcommand(int argc, char** argv) {
    const Subcommand* subcommand = Find(argv[0]);
    if (!subcommand) return kExitUsage;
    if (AsksForHelp(argc, argv)) {
        std::printf("usage: korvane %s\n%s. See korvane --help for the exit statuses.\n",
                    subcommand->synopsis, subcommand->purpose);
        return kExitDone;
    }
    return subcommand->run(argc, argv);
}

int UsageError(const char* name) {
    const Subcommand* subcommand = Find(name);
    std::fprintf(stderr, "usage: korvane %s\n", subcommand ? subcommand->synopsis : name);
    return kExitUsage;
}
