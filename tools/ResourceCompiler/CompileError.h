// Where a source construct stands, and the error that names it as "file:line: reason"
// ("file: reason" when no line is concerned, as for a file that cannot be read).
#pragma once

#include <stdexcept>
#include <string>

namespace rc {

struct Location {
    std::string file;
    int line = 0;
};

class CompileError : public std::runtime_error {
  public:
    CompileError(const Location& where, const std::string& reason)
        : std::runtime_error(where.file + (where.line > 0 ? ":" + std::to_string(where.line) : "") +
                             ": " + reason) {}
};

} // namespace rc
