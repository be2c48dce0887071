// Turns the text of one source file into blocks.
#pragma once

#include "SourceModel.h"

#include <string>
#include <vector>

namespace rc {

// Splits one line into tokens; "# " starts a comment. Throws CompileError.
std::vector<Token> Tokenize(const std::string& line, const Location& where);

// Groups the lines of a source into "keyword ..." ... "end" blocks. Throws CompileError.
std::vector<Block> ReadBlocks(const std::string& fileName, const std::string& content);

} // namespace rc
