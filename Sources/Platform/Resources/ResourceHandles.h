// Resources in memory: the handle of a loaded resource, marked as a resource, and the data a
// changed handle holds, taken into the file's image before the handle is let go or written.
#pragma once

#include "Resources/ResourceChain.h"

namespace platform::resources {

// The resource's handle, loaded when it is not yet; null when there is no room.
Handle HandleFor(Resource& resource);
// When the resource was marked changed, its handle's data becomes what the file will hold.
void KeepChangedData(OpenResourceFile& file, Resource& resource);
void MarkAsResource(Handle handle, bool isResource);

} // namespace platform::resources
