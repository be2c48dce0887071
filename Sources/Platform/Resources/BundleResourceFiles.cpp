#include "Resources/BundleResourceFiles.h"

#include "CoreFoundation/BundleFolders.h"
#include "Files/ForkTable.h"
#include "Platform/Files.h"

namespace platform::resources {

namespace {

constexpr const char* kSystemFileName = "System.rsrc";
constexpr const char* kApplicationFileName = "Korvane.rsrc";

OSErr OpenReadOnly(ResourceChain& chain, const std::string& path) {
    SInt16 refNum;
    OSErr err = files::Forks().OpenDataAsResourceFork(path, fsRdPerm, &refNum);
    return err ? err : chain.Push(refNum);
}

} // namespace

BundleFileOutcome OpenBundleResourceFiles(ResourceChain& chain) {
    std::optional<std::string> folder = cf::MainBundleResourcesFolder();
    if (!folder) return {};
    if (OpenReadOnly(chain, *folder + kSystemFileName) == noErr)
        chain.SetSystemFile(chain.CurrentRefNum());
    BundleFileOutcome application{noErr, *folder + kApplicationFileName};
    application.err = OpenReadOnly(chain, application.path);
    return application;
}

} // namespace platform::resources
