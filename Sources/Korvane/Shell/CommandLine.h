// The program's command-line options.
#pragma once

enum class CommandLineAction { Run, Help, Version, Locations, Invalid };

// --display=: Automatic chooses by where the program runs.
enum class DisplayChoice { Automatic, Window, Terminal, Headless };

struct CommandLineOptions {
    CommandLineAction action = CommandLineAction::Run;
    const char* invalidArgument = nullptr;
    const char* invalidReason = "unknown option"; // what is wrong with invalidArgument
    // The headless display's script; "-" is standard input. Null: the program's own display.
    const char* scriptPath = nullptr;
    DisplayChoice display = DisplayChoice::Automatic;
};

CommandLineOptions ParseCommandLine(int argc, const char* const* argv);
void PrintUsage(const char* programName);
