#include "AppleDouble.h"
#include "CatalogEntry.h"
#include "Platform/Files.h"
#include "Platform/MacErrors.h"
#include "Support/PascalText.h"

#include <algorithm>

using namespace platform::files;

OSErr PlatformFinderInfoSidecar(ConstStr255Param name, OSType creator, OSType fileType,
                                Str255 sidecarName, UInt8* bytes, SInt32* length) {
    std::string leaf = platform::FromPascal(name);
    std::string sidecar = SidecarName(leaf);
    if (leaf.empty() || sidecar.size() > 255) return bdNamErr;
    platform::ToPascal(sidecar, sidecarName);
    AppleDouble::FinderInfo info{};
    FInfoToBytes(FInfo{fileType, creator, 0, {0, 0}, 0}, info.data());
    std::vector<UInt8> encoded =
        AppleDouble::Encode({{kAppleDoubleFinderInfo, {info.begin(), info.end()}}});
    static_assert(kFinderInfoSidecarSize >= 26 + 12 + 32);
    *length = SInt32(encoded.size());
    std::copy(encoded.begin(), encoded.end(), bytes);
    return noErr;
}
