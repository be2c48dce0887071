// The window display's module: its entry point, the one symbol the program looks up.
#include "Display/WindowModule.h"
#include "Display/Desktop/WindowBackend.h"

extern "C" __attribute__((visibility("default"))) platform::display::Backend*
KorvaneOpenWindowDisplay1() {
    return platform::display::window::WindowBackend::Open().release();
}
