// The program's command-line options.
#pragma once

enum class CommandLineAction { Run, Help, Version, Invalid };

struct CommandLineOptions {
    CommandLineAction action = CommandLineAction::Run;
    const char* invalidArgument = nullptr;
};

CommandLineOptions ParseCommandLine(int argc, const char* const* argv);
void PrintUsage(const char* programName);
