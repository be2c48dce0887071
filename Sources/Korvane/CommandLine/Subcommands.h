// The command line for scripts: subcommands that do the list's jobs directly, through the
// program's own data store, field checks and commit, without a display.
#pragma once

// True when the word names a subcommand.
bool IsSubcommand(const char* word);

// Runs the subcommand argv[0] with its arguments; the process's exit status.
int RunSubcommand(int argc, char** argv);

// The subcommands; each takes its own name as argv[0].
int ListCommand(int argc, char** argv);
int ExportCommand(int argc, char** argv);
int CheckCommand(int argc, char** argv);
int ImportCommand(int argc, char** argv);
int AddCommand(int argc, char** argv);
int SetCommand(int argc, char** argv);
int RemoveCommand(int argc, char** argv);
int RestoreCommand(int argc, char** argv);
int GetCommand(int argc, char** argv);
int ApplyCommand(int argc, char** argv);
int DiffCommand(int argc, char** argv);

// "usage: korvane SYNOPSIS" for the named subcommand on standard error, and the usage status.
int UsageError(const char* name);
