// What the layer check must refuse: an application file with a system header and system calls
// of its own. Never compiled.
#include "Korvane/Shell/Globals.h"

#include <cstdio>
#include <unistd.h>

bool PlantedAtTerminal() {
    std::printf("isatty(0) is only text here\n"); // and so is isatty(1) in a comment
    return ::isatty(0) && dup2(1, 2) >= 0;
}
