// Test support: resource files made from images, in resource forks or in a main bundle.
#pragma once

#include "Platform/Files.h"
#include "Platform/PlatformTesting.h"
#include "Platform/ResourceFileFormat.h"
#include "TestSupport/FileContents.h"
#include "TestSupport/TempFolder.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <optional>
#include <string_view>

namespace testsupport {

using platform::resources::ResourceEntry;
using platform::resources::ResourceFileImage;

inline std::vector<UInt8> BytesOf(std::string_view text) {
    return {text.begin(), text.end()};
}

// A length-prefixed string as resource data ('STR ').
inline std::vector<UInt8> PascalBytes(std::string_view text) {
    std::vector<UInt8> bytes(1 + text.size(), UInt8(text.size()));
    std::copy(text.begin(), text.end(), bytes.begin() + 1);
    return bytes;
}

inline void WriteFileBytes(const std::string& path, const std::vector<UInt8>& bytes) {
    std::ofstream(path, std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
}

// The file's resource fork opened as a fork of bytes; 0 when it cannot be.
inline SInt16 OpenResourceFork(const FSSpec& spec, SInt8 permission) {
    static const UniChar kName[] = {'R', 'E', 'S', 'O', 'U', 'R', 'C',
                                    'E', '_', 'F', 'O', 'R', 'K'};
    FSRef ref{};
    SInt16 refNum = 0;
    if (FSpMakeFSRef(&spec, &ref) != noErr || FSOpenFork(&ref, 13, kName, permission, &refNum))
        return 0;
    return refNum;
}

// Puts the bytes into the resource fork of the file, which is made when missing.
inline void WriteResourceForkBytes(const FSSpec& spec, const std::vector<UInt8>& bytes) {
    FSpCreate(&spec, 0, 0, 0);
    SInt16 refNum = OpenResourceFork(spec, fsRdWrPerm);
    SInt32 count = SInt32(bytes.size());
    FSWrite(refNum, &count, bytes.data());
    FSClose(refNum);
}

// A main bundle in a temporary folder whose Contents/Resources holds the system and the
// application resource files given (none for nullopt). The Resource Manager opens them afresh,
// and goes back to the executable's bundle at the end.
class ScopedResourceBundle {
  public:
    ScopedResourceBundle(const std::optional<std::vector<UInt8>>& systemFile,
                         const std::optional<std::vector<UInt8>>& applicationFile)
        : bundle_((temp_.path() / "Korvane.app").c_str()) {
        std::filesystem::create_directories(resources());
        if (systemFile) WriteFileBytes(resources() + "/System.rsrc", *systemFile);
        if (applicationFile) WriteFileBytes(applicationPath(), *applicationFile);
        PlatformResetResourceChain();
    }
    ~ScopedResourceBundle() { PlatformResetResourceChain(); }
    ScopedResourceBundle(const ScopedResourceBundle&) = delete;
    ScopedResourceBundle& operator=(const ScopedResourceBundle&) = delete;

    std::string resources() const { return temp_ / "Korvane.app/Contents/Resources"; }
    std::string applicationPath() const { return resources() + "/Korvane.rsrc"; }

  private:
    TempFolder temp_;
    PlatformScopedMainBundle bundle_;
};

} // namespace testsupport
