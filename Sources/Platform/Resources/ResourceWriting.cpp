// Adding, changing, writing, removing and letting go of resources.
#include "Platform/MacErrors.h"
#include "Platform/MacMemory.h"
#include "Platform/Resources.h"
#include "Resources/ResourceChain.h"
#include "Resources/ResourceHandles.h"
#include "Support/PascalText.h"

using namespace platform::resources;

namespace {

std::optional<std::string> NameOf(ConstStr255Param name) {
    if (!name || name[0] == 0) return std::nullopt;
    return platform::FromPascal(name);
}

// The resource of the handle, recording resNotFound when it is none.
std::pair<OpenResourceFile*, Resource*> OwnerOrError(Handle handle) {
    auto owner = Chain().Owner(handle);
    SetResError(owner.second ? noErr : resNotFound);
    return owner;
}

bool IsProtected(const Resource& resource) {
    return resource.entry.attributes & resProtected;
}

// The same for a resource that may change, recording resAttrErr for a protected one.
std::pair<OpenResourceFile*, Resource*> ChangeableOrError(Handle handle) {
    auto owner = OwnerOrError(handle);
    if (!owner.second || !IsProtected(*owner.second)) return owner;
    SetResError(resAttrErr);
    return {nullptr, nullptr};
}

} // namespace

void AddResource(Handle theData, ResType theType, SInt16 theID, ConstStr255Param name) {
    ResourceChain& chain = Chain();
    OpenResourceFile* file = chain.Current();
    if (!file || !theData || chain.Owner(theData).second) {
        SetResError(addResFailed);
        return;
    }
    file->resources.push_back({{theType, theID, NameOf(name), UInt8(resChanged), {}}, theData});
    file->changed = true;
    MarkAsResource(theData, true);
    SetResError(noErr);
}

void ChangedResource(Handle theResource) {
    auto [file, resource] = ChangeableOrError(theResource);
    if (resource) resource->entry.attributes |= resChanged;
}

void WriteResource(Handle theResource) {
    auto [file, resource] = OwnerOrError(theResource);
    if (resource) KeepChangedData(*file, *resource);
}

void RemoveResource(Handle theResource) {
    auto [file, resource] = OwnerOrError(theResource);
    if (!resource) return;
    if (file != Chain().Current() || IsProtected(*resource)) {
        SetResError(rmvResFailed);
        return;
    }
    MarkAsResource(theResource, false);
    file->resources.erase(file->resources.begin() + (resource - file->resources.data()));
    file->changed = true;
}

void ReleaseResource(Handle theResource) {
    auto [file, resource] = OwnerOrError(theResource);
    if (!resource) return;
    KeepChangedData(*file, *resource);
    DisposeHandle(theResource);
    resource->handle = nullptr;
}

void DetachResource(Handle theResource) {
    auto [file, resource] = OwnerOrError(theResource);
    if (!resource) return;
    KeepChangedData(*file, *resource);
    MarkAsResource(theResource, false);
    resource->handle = nullptr;
}
