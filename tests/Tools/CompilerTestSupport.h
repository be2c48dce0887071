// Test support: compiling source text held in a test.
#pragma once

#include "ResourceCompiler/Compiler.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace resourcetest {

using platform::resources::ResourceEntry;

inline std::vector<ResourceEntry> Compile(const std::string& source,
                                          const std::filesystem::path& folder = ".") {
    std::vector<ResourceEntry> entries;
    for (auto& compiled : rc::CompileSource("test.res", source, folder))
        entries.push_back(std::move(compiled.entry));
    return entries;
}

inline std::vector<UInt8> CompileOne(const std::string& source) {
    auto entries = Compile(source);
    EXPECT_EQ(entries.size(), 1u);
    return entries.empty() ? std::vector<UInt8>{} : entries[0].data;
}

// The message of the error that compiling gives, or "" when it compiles.
inline std::string ErrorOf(const std::string& source, const std::filesystem::path& folder = ".") {
    try {
        Compile(source, folder);
    } catch (const rc::CompileError& error) {
        return error.what();
    }
    return "";
}

} // namespace resourcetest
