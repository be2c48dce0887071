// The resource compiler: text sources in, one resource file image out.
#pragma once

#include "CompileError.h"
#include "Platform/ResourceFileFormat.h"

#include <filesystem>
#include <string>
#include <vector>

namespace rc {

struct CompiledResource {
    Location where; // the block that made it
    platform::resources::ResourceEntry entry;
};

// The resources of one source text. fileName names it in errors; texts kept in files of their
// own are found relative to folder. Throws CompileError.
std::vector<CompiledResource> CompileSource(const std::string& fileName, const std::string& content,
                                            const std::filesystem::path& folder);

// Every resource of the source files, in order; a type and ID given twice is an error.
// Throws CompileError.
platform::resources::ResourceFileImage
CompileFiles(const std::vector<std::filesystem::path>& paths);

} // namespace rc
