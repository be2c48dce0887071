// The program's own options (--help, --version, --locations, --display=, --script); the
// subcommands are Sources/Korvane/CommandLine's.
#pragma once

enum class ProgramAction { Run, Help, Version, Locations, Invalid };

// --display=: Automatic chooses by where the program runs.
enum class DisplayChoice { Automatic, Window, Terminal, Headless };

struct ProgramOptions {
    ProgramAction action = ProgramAction::Run;
    const char* invalidArgument = nullptr;
    const char* invalidReason = "unknown option"; // what is wrong with invalidArgument
    // The headless display's script; "-" is standard input. Null: the program's own display.
    const char* scriptPath = nullptr;
    DisplayChoice display = DisplayChoice::Automatic;
};

ProgramOptions ParseProgramOptions(int argc, const char* const* argv);
void PrintUsage(const char* programName);
