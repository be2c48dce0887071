// The whole screen model as text: the menu bar, then every visible window front to back with
// its contents. Stable from run to run, so that scripts and tests can compare it. It reads only
// the model's snapshot.
#pragma once

#include "Display/ModelSnapshot.h"

#include <ostream>
#include <string>

namespace platform::display {

// What a printout shows beyond the plain model; a plain printout never changes its lines.
struct PrintOptions {
    std::string label;    // in the header line, to match printouts to steps
    bool detail = false;  // items' rectangles and alerts' resource numbers
    bool allRows = false; // every row of the front window's list, not only those shown
};

void PrintModel(std::ostream& out, unsigned long ticks, const PrintOptions& options = {});

// "--- WHAT at tick T ---", or "--- WHAT "LABEL" at tick T ---".
void PrintHeader(std::ostream& out, const char* what, const std::string& label,
                 unsigned long ticks);

// The parts of a printout, each line of a window's part indented by two spaces.
//
//   menu bar: Korvane* | [File]* | Edit | Sort*
//     menu 129 "File": "Import CSV…"* #10 cmd-I, -* #12
//
// A star marks an enabled title or item, brackets the highlighted title, # the command ID (a
// four-character code in quotes), cmd- the key equivalent; a separator reads "-".
void PrintMenuBar(std::ostream& out, const MenuBarSnapshot& bar);
// The dialog's alert and items, in detail with where each item lies and which resource an
// alert comes from; nothing for a window that is no dialog.
void PrintDialog(std::ostream& out, const WindowSnapshot& window, bool detail);
// Each list: its size, scroll position and selection, then the rows in view, or every row.
void PrintLists(std::ostream& out, const WindowSnapshot& window, bool allRows = false);
// Each text edit: its lines, height and scroll position, then the lines the view shows, bold as
// *text* and underlined as _text_.
void PrintTextEdits(std::ostream& out, const WindowSnapshot& window);

// A text in double quotes, with quotes and backslashes escaped and line breaks as spaces.
std::string Quoted(const std::string& text);

} // namespace platform::display
