// Finding resources and describing them.
#include "Platform/MacErrors.h"
#include "Platform/Resources.h"
#include "Resources/ResourceChain.h"
#include "Resources/ResourceHandles.h"

using namespace platform::resources;

namespace {

Handle LoadFirst(const std::vector<OpenResourceFile*>& files, ResType type, SInt16 id) {
    for (OpenResourceFile* file : files)
        if (Resource* resource = file->Find(type, id)) {
            Handle h = HandleFor(*resource);
            SetResError(h ? noErr : memFullErr);
            return h;
        }
    SetResError(resNotFound);
    return nullptr;
}

} // namespace

Handle GetResource(ResType theType, SInt16 theID) {
    return LoadFirst(Chain().SearchOrder(), theType, theID);
}

Handle Get1Resource(ResType theType, SInt16 theID) {
    OpenResourceFile* current = Chain().Current();
    return LoadFirst(current ? std::vector{current} : std::vector<OpenResourceFile*>{}, theType,
                     theID);
}

SInt16 GetResAttrs(Handle theResource) {
    Resource* resource = Chain().Owner(theResource).second;
    SetResError(resource ? noErr : resNotFound);
    return resource ? resource->entry.attributes : 0;
}
