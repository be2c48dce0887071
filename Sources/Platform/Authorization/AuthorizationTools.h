// Finding and starting the command-line tools that authorization services run. Tools are always
// started with an argument vector, never through a shell.
#pragma once

#include <cstdio>
#include <optional>
#include <string>
#include <vector>

namespace platform::authorization {

// The file to run for a tool named by an absolute path: the path itself when something is there
// (it must then be an executable file), otherwise the executable of the same name in /usr/sbin,
// /usr/bin, /sbin or /bin, the first found. Never the search path of the environment.
std::optional<std::string> FindTool(const std::string& path);

// Starts argv[0] with standard input and output joined to the returned stream. Closing the
// stream does not wait: the process is left for the caller to reap. Null when the process
// cannot be started.
FILE* StartTool(const std::vector<std::string>& argv);

// Runs argv[0] to its end with input on its standard input and its output discarded; its
// standard error goes into *errors when that is given, else is discarded too. The exit status
// (-1 when a signal ended it); nothing when it cannot be started.
std::optional<int> RunTool(const std::vector<std::string>& argv, const std::string& input,
                           std::string* errors = nullptr);

} // namespace platform::authorization
