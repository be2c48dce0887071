#include "Display/WindowModule.h"
#include "Platform/CoreFoundation.h"
#include "Platform/Display.h"
#include "Platform/Resources.h"

#include <climits>
#include <cstdlib>
#include <dlfcn.h>
#include <string>

namespace {

constexpr const char* kNoServer =
    "no display server answers (DISPLAY and WAYLAND_DISPLAY name none, or it refused)";

std::string refusal;

// The module's path in the program's own bundle, found from the executable's location.
std::string ModulePath() {
    CFStringRef name = CFStringMakeConstant(platform::display::kWindowModuleName);
    CFURLRef url = CFBundleCopyAuxiliaryExecutableURL(CFBundleGetMainBundle(), name);
    UInt8 path[PATH_MAX];
    const bool found = url && CFURLGetFileSystemRepresentation(url, true, path, sizeof path);
    if (url) CFRelease(url);
    return found ? reinterpret_cast<const char*>(path) : "";
}

// By its full path, so that neither the library path nor the current folder can put another
// module in its place. It stays loaded for the rest of the process: the backend's code is in it.
platform::display::Backend* OpenWindowFromModule() {
    const std::string path = ModulePath();
    void* module = path.empty() ? nullptr : dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (!module) {
        refusal = "the window display's module cannot be loaded: ";
        refusal += path.empty() ? "the program's bundle cannot be found" : dlerror();
        return nullptr;
    }
    auto open = reinterpret_cast<decltype(&KorvaneOpenWindowDisplay2)>(
        dlsym(module, platform::display::kWindowModuleEntry));
    if (!open) {
        refusal = path + " is not this program's window display module (it has no " +
                  platform::display::kWindowModuleEntry + ")";
        return nullptr;
    }
    platform::display::Backend* backend = open();
    if (!backend) refusal = kNoServer;
    return backend;
}

} // namespace

bool PlatformUseWindowDisplay() {
    const char* x11 = std::getenv("DISPLAY");
    const char* wayland = std::getenv("WAYLAND_DISPLAY");
    if (!(x11 && *x11) && !(wayland && *wayland)) {
        refusal = kNoServer;
        return false;
    }
    // The Resource Manager starts first, so that it outlives the display at exit.
    CurResFile();
    platform::display::Backend* backend = OpenWindowFromModule();
    if (!backend) return false;
    platform::display::InstallBackend(std::unique_ptr<platform::display::Backend>(backend));
    return true;
}

const char* PlatformWindowDisplayRefusal() {
    return refusal.c_str();
}
