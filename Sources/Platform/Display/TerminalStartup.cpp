#include "Display/Terminal/TerminalBackend.h"
#include "Platform/Display.h"
#include "Platform/Resources.h"

void PlatformUseTerminalDisplay() {
    // The Resource Manager starts first, so that it outlives the display at exit.
    CurResFile();
    platform::display::InstallBackend(
        std::make_unique<platform::display::terminal::TerminalBackend>());
}
