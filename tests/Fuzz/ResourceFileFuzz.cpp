// fuzz-links: Platform
// Arbitrary bytes for the resource file reader. Whatever it accepts must write back and read
// again as the same image.
#include "Platform/MacErrors.h"
#include "Platform/ResourceFileFormat.h"

#include <cstdint>
#include <cstdlib>

using namespace platform::resources;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    ResourceFileImage image;
    if (ParseResourceFile(std::vector<UInt8>(data, data + size), &image) != noErr) return 0;
    std::vector<UInt8> rewritten;
    if (!SerializeResourceFile(image, &rewritten)) return 0;
    ResourceFileImage again;
    if (ParseResourceFile(rewritten, &again) != noErr || !(again == image)) std::abort();
    return 0;
}
