#include "Display/Window/WindowBackend.h"
#include "Platform/Display.h"
#include "Platform/Resources.h"

#include <cstdlib>

bool PlatformUseWindowDisplay() {
    const char* x11 = std::getenv("DISPLAY");
    const char* wayland = std::getenv("WAYLAND_DISPLAY");
    if (!(x11 && *x11) && !(wayland && *wayland)) return false;
    // The Resource Manager starts first, so that it outlives the display at exit.
    CurResFile();
    std::unique_ptr<platform::display::window::WindowBackend> backend =
        platform::display::window::WindowBackend::Open();
    if (!backend) return false;
    platform::display::InstallBackend(std::move(backend));
    return true;
}
