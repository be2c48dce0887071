#include "Resources/ResourceChain.h"

#include "Files/ForkTable.h"
#include "Platform/Files.h"
#include "Platform/MacErrors.h"
#include "Platform/MacMemory.h"
#include "Platform/PlatformTesting.h"
#include "Platform/Resources.h"
#include "Resources/BundleResourceFiles.h"
#include "Resources/ResourceFileIO.h"

#include <algorithm>

namespace platform::resources {

namespace {

OSErr gResError = noErr;

struct ChainState {
    ResourceChain chain;
    bool bundleFilesOpened = false;
    BundleFileOutcome application;
};

ChainState& State() {
    files::Forks(); // made first, so that it outlives the chain, which closes its files at exit
    static ChainState state;
    return state;
}

} // namespace

Resource* OpenResourceFile::Find(ResType type, SInt16 id) {
    auto found = std::find_if(resources.begin(), resources.end(), [&](const Resource& r) {
        return r.entry.type == type && r.entry.id == id;
    });
    return found == resources.end() ? nullptr : &*found;
}

Resource* OpenResourceFile::Find(Handle handle) {
    if (!handle) return nullptr;
    auto found = std::find_if(resources.begin(), resources.end(),
                              [&](const Resource& r) { return r.handle == handle; });
    return found == resources.end() ? nullptr : &*found;
}

ResourceChain::~ResourceChain() {
    CloseAll();
}

OSErr ResourceChain::Push(SInt16 forkRefNum) {
    ResourceFileImage image;
    if (OSErr err = ReadResourceFork(forkRefNum, &image)) {
        FSClose(forkRefNum);
        return err;
    }
    auto file = std::make_unique<OpenResourceFile>();
    file->refNum = forkRefNum;
    file->writable =
        files::Forks().Find(forkRefNum)->canWrite && !(image.fileAttributes & mapReadOnly);
    file->fileAttributes = image.fileAttributes;
    for (ResourceEntry& entry : image.entries)
        file->resources.push_back({std::move(entry), nullptr});
    files_.push_back(std::move(file));
    current_ = forkRefNum;
    return noErr;
}

OSErr ResourceChain::Close(OpenResourceFile& file) {
    OSErr err = UpdateResourceFile(file);
    for (Resource& resource : file.resources)
        DisposeHandle(resource.handle);
    OSErr closeErr = FSClose(file.refNum);
    auto found = std::find_if(files_.begin(), files_.end(),
                              [&](const auto& open) { return open.get() == &file; });
    if (current_ == file.refNum)
        current_ = found == files_.begin() ? 0 : (*std::prev(found))->refNum;
    if (system_ == file.refNum) system_ = 0;
    files_.erase(found);
    return err ? err : closeErr;
}

void ResourceChain::CloseAll() {
    while (!files_.empty())
        Close(*files_.back());
}

OpenResourceFile* ResourceChain::File(SInt16 refNum) {
    if (refNum == 0) refNum = system_;
    auto found = std::find_if(files_.begin(), files_.end(),
                              [&](const auto& open) { return open->refNum == refNum; });
    return refNum == 0 || found == files_.end() ? nullptr : found->get();
}

OpenResourceFile* ResourceChain::FileAtPath(const std::string& path) {
    for (const auto& open : files_)
        if (files::Forks().Find(open->refNum)->path == path) return open.get();
    return nullptr;
}

bool ResourceChain::MakeCurrent(SInt16 refNum) {
    if (refNum != 0 && !File(refNum)) return false;
    current_ = refNum == 0 ? system_ : refNum;
    return true;
}

std::vector<OpenResourceFile*> ResourceChain::SearchOrder() {
    std::vector<OpenResourceFile*> order;
    auto top = std::find_if(files_.rbegin(), files_.rend(),
                            [&](const auto& open) { return open->refNum == current_; });
    for (auto file = top; file != files_.rend(); ++file)
        order.push_back(file->get());
    return order;
}

std::pair<OpenResourceFile*, Resource*> ResourceChain::Owner(Handle handle) {
    for (const auto& open : files_)
        if (Resource* resource = open->Find(handle)) return {open.get(), resource};
    return {nullptr, nullptr};
}

ResourceChain& Chain() {
    ChainState& state = State();
    if (!state.bundleFilesOpened) {
        state.bundleFilesOpened = true;
        state.application = OpenBundleResourceFiles(state.chain);
    }
    return state.chain;
}

OSErr SetResError(OSErr err) {
    return gResError = err;
}

} // namespace platform::resources

OSErr ResError() {
    return platform::resources::gResError;
}

OSErr PlatformApplicationResourceFileError(char* path, UInt32 pathSize) {
    platform::resources::Chain();
    const auto& application = platform::resources::State().application;
    if (path && pathSize > 0) {
        const size_t length = std::min<size_t>(application.path.size(), pathSize - 1);
        application.path.copy(path, length);
        path[length] = 0;
    }
    return application.err;
}

void PlatformResetResourceChain() {
    auto& state = platform::resources::State();
    state.chain.CloseAll();
    state.bundleFilesOpened = false;
}
