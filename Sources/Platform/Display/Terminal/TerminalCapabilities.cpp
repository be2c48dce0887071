// Apart from the rest of the display: term.h defines macros named after every capability.
#include "Display/Terminal/TerminalOutput.h"

#include <curses.h>
#include <term.h>
#include <unistd.h>

namespace platform::display::terminal {

bool TerminalMovesCursor() {
    int error = 0;
    if (setupterm(nullptr, STDOUT_FILENO, &error) != OK) return false;
    const char* move = tigetstr(const_cast<char*>("cup"));
    const bool moves = move != nullptr && move != reinterpret_cast<char*>(-1);
    del_curterm(cur_term);
    return moves;
}

} // namespace platform::display::terminal
