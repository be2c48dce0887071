#include "Korvane/CommandLine/Subcommands.h"

#include "Korvane/CommandLine/ListText.h"

#include <cstdio>
#include <cstring>

namespace {

struct Subcommand {
    const char* name;
    int (*run)(int argc, char** argv);
};

constexpr Subcommand kSubcommands[] = {
    {"list", ListCommand},     {"export", ExportCommand},   {"check", CheckCommand},
    {"import", ImportCommand}, {"add", AddCommand},         {"set", SetCommand},
    {"remove", RemoveCommand}, {"restore", RestoreCommand}, {"get", GetCommand},
};

const Subcommand* Find(const char* word) {
    for (const Subcommand& subcommand : kSubcommands)
        if (!std::strcmp(subcommand.name, word)) return &subcommand;
    return nullptr;
}

} // namespace

bool IsSubcommand(const char* word) {
    return Find(word) != nullptr;
}

int RunSubcommand(int argc, char** argv) {
    const Subcommand* subcommand = Find(argv[0]);
    return subcommand ? subcommand->run(argc, argv) : kExitUsage;
}

int UsageError(const char* synopsis) {
    std::fprintf(stderr, "usage: korvane %s\n", synopsis);
    return kExitUsage;
}
