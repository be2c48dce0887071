// Test support: a whole file read back, as text or as bytes; empty when it cannot be read.
#pragma once

#include "Platform/MacTypes.h"

#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace testsupport {

inline std::string ReadFileText(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

inline std::vector<UInt8> ReadFileBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

} // namespace testsupport
