#include "CopyRules.h"
#include "Utility/Utility.h"

#include "Platform/Folders.h"
#include "Platform/Foundation.h"

#include <algorithm>
#include <cstdint>

namespace {

std::optional<std::string> FirstLocalFolder(NSSearchPathDirectory directory) {
    std::vector<std::string> paths =
        NSSearchPathForDirectoriesInDomains(directory, NSLocalDomainMask, true);
    if (paths.empty()) return std::nullopt;
    return paths.front();
}

std::optional<std::string> LocalLibraryFolder(const char* component) {
    std::optional<std::string> library = FirstLocalFolder(NSLibraryDirectory);
    if (!library) return std::nullopt;
    return StringByAppendingPathComponent(*library, component);
}

} // namespace

Boolean GetLocalCachesDirPath(char* buffer, unsigned long bufferSize) {
    NSAutoreleasePool pool;
    return CopyTextToBuffer(FirstLocalFolder(NSCachesDirectory), buffer, bufferSize);
}

Boolean GetPPDFolderPath(char* buffer, unsigned long bufferSize) {
    NSAutoreleasePool pool;
    return CopyTextToBuffer(LocalLibraryFolder("Printers/PPDs/Contents/Resources"), buffer,
                            bufferSize);
}

// The folder the Folder Manager gives (/etc on Linux), so that both always name the same one.
Boolean GetPreferencesFolderPathLocalDomain(char* buffer, unsigned long bufferSize) {
    NSAutoreleasePool pool;
    return PlatformFolderPath(kLocalDomain, kPreferencesFolderType, buffer,
                              UInt32(std::min<unsigned long>(bufferSize, UINT32_MAX)));
}

Boolean GetFormerPreferencesFolderPathLocalDomain(char* buffer, unsigned long bufferSize) {
    NSAutoreleasePool pool;
    return CopyTextToBuffer(LocalLibraryFolder("Preferences"), buffer, bufferSize);
}

Boolean GetLocalApplicationSupportDirPath(char* buffer, unsigned long bufferSize) {
    NSAutoreleasePool pool;
    return CopyTextToBuffer(FirstLocalFolder(NSApplicationSupportDirectory), buffer, bufferSize);
}

Boolean GetTmpDirPath(char* buffer, unsigned long bufferSize) {
    NSAutoreleasePool pool;
    return CopyTextToBuffer(NSTemporaryDirectory(), buffer, bufferSize);
}
