#include "Resources/ResourceHandles.h"

#include "Platform/MacMemory.h"
#include "Platform/Resources.h"

namespace platform::resources {

Handle HandleFor(Resource& resource) {
    if (resource.handle) return resource.handle;
    const std::vector<UInt8>& data = resource.entry.data;
    if (PtrToHand(data.data(), &resource.handle, Size(data.size())) != noErr) return nullptr;
    MarkAsResource(resource.handle, true);
    return resource.handle;
}

void KeepChangedData(OpenResourceFile& file, Resource& resource) {
    if (!(resource.entry.attributes & resChanged)) return;
    if (Handle h = resource.handle) resource.entry.data.assign(*h, *h + GetHandleSize(h));
    resource.entry.attributes &= UInt8(~resChanged);
    file.changed = true;
}

void MarkAsResource(Handle handle, bool isResource) {
    UInt8 state = UInt8(HGetState(handle));
    state = isResource ? state | kHandleIsResourceMask : state & ~kHandleIsResourceMask;
    HSetState(handle, SInt8(state));
}

} // namespace platform::resources
