// The classic resource file format (header, resource data, resource map with type list,
// reference lists and name list, all big-endian), as a whole-file image. Shared by the
// Resource Manager and the resource compiler so both write the same bytes.
#pragma once

#include "Platform/MacTypes.h"

#include <optional>
#include <string>
#include <vector>

namespace platform::resources {

struct ResourceEntry {
    ResType type = 0;
    SInt16 id = 0;
    std::optional<std::string> name; // at most 255 bytes; none when the resource has no name
    UInt8 attributes = 0;
    std::vector<UInt8> data;

    bool operator==(const ResourceEntry&) const = default;
};

struct ResourceFileImage {
    UInt16 fileAttributes = 0;
    std::vector<ResourceEntry> entries; // in the order the map lists them

    bool operator==(const ResourceFileImage&) const = default;
};

// Reads a whole resource file. A damaged or truncated image gives an error code
// (mapReadErr, -199) and leaves image unspecified; it never reads out of bounds.
OSErr ParseResourceFile(const std::vector<UInt8>& bytes, ResourceFileImage* image);

// The bytes of a resource file holding the image; an empty image gives a valid empty file.
// An image the format cannot hold (data past 16 MB, a map past 64 KB, a name over 255 bytes)
// gives an empty vector.
std::vector<UInt8> SerializeResourceFile(const ResourceFileImage& image);
// The same, telling whether the image fits; bytes are unspecified when it does not.
bool SerializeResourceFile(const ResourceFileImage& image, std::vector<UInt8>* bytes);

} // namespace platform::resources
