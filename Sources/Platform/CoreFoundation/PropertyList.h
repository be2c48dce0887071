// Reads the dictionary of an XML property list file.
#pragma once

#include "Platform/CoreFoundation.h"

#include <filesystem>

namespace platform::cf {

// A new dictionary (retain count 1) with the file's string and dictionary values; values of
// other kinds are skipped. A missing, malformed or non-dictionary file gives an empty one.
CFDictionaryRef ReadPropertyListDictionary(const std::filesystem::path& file);

} // namespace platform::cf
