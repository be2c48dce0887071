// The window display's module: its entry point, the one symbol the program looks up.
#include "Display/WindowModule.h"
#include "Display/Desktop/GtkBackend.h"

extern "C" __attribute__((visibility("default"))) platform::display::Backend*
KorvaneOpenWindowDisplay2() {
    return platform::display::gtk::GtkBackend::Open().release();
}
