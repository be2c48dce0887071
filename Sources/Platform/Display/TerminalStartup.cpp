#include "Display/Terminal/TerminalBackend.h"
#include "Platform/Display.h"
#include "Platform/Resources.h"

bool PlatformUseTerminalDisplay() {
    if (!platform::display::terminal::TerminalMovesCursor()) return false;
    // The Resource Manager starts first, so that it outlives the display at exit.
    CurResFile();
    platform::display::InstallBackend(
        std::make_unique<platform::display::terminal::TerminalBackend>());
    return true;
}
