// The seam between the program and the window display's module. The module is loaded only when
// the window is chosen, so that the command line and the other displays never map the desktop's
// libraries. It reaches the platform's public toolbox and the displays' shared parts in the
// program itself, which exports the symbols the module imports (one copy of every platform
// global), and hands back a Backend: nothing of the toolkit inside the module crosses the seam.
#pragma once

#include "Display/Backend.h"

namespace platform::display {

// The module's file, beside the program in the bundle's Contents/MacOS.
constexpr const char* kWindowModuleName = "korvane-window.so";

// The module's one entry point, looked up by this name. The number in the name changes
// whenever the Backend interface does, so that a module of another build is refused rather
// than called.
constexpr const char* kWindowModuleEntry = "KorvaneOpenWindowDisplay2";

} // namespace platform::display

// The backend with its window open, or null when no display server answers or the window
// cannot be made.
extern "C" platform::display::Backend* KorvaneOpenWindowDisplay2();
