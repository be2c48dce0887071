// The program's command-line options.
#pragma once

enum class CommandLineAction { Run, Help, Version, Locations, Invalid };

struct CommandLineOptions {
    CommandLineAction action = CommandLineAction::Run;
    const char* invalidArgument = nullptr;
    // The headless display's script; "-" is standard input. Null: the program's own display.
    const char* scriptPath = nullptr;
};

CommandLineOptions ParseCommandLine(int argc, const char* const* argv);
void PrintUsage(const char* programName);
