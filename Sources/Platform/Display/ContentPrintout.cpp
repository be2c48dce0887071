// How a window's lists and text edits read in the printout.
#include "Display/ModelPrinter.h"
#include "Display/ModelView.h"

namespace platform::display {

namespace {

std::string Counted(SInt32 count, const char* noun) {
    return std::to_string(count) + " " + noun + (count == 1 ? "" : "s");
}

void PrintSelection(std::ostream& out, const ListSnapshot& list) {
    if (list.selectedRows.empty()) {
        out << "nothing selected";
        return;
    }
    out << (list.selectedRows.size() == 1 ? "selected row " : "selected rows ");
    for (size_t i = 0; i < list.selectedRows.size(); ++i)
        out << (i ? ", " : "") << list.selectedRows[i];
}

void PrintRows(std::ostream& out, const std::vector<ListRowSnapshot>& rows, SInt16 first) {
    for (size_t i = 0; i < rows.size(); ++i) {
        out << "    row " << first + SInt32(i) << ":";
        for (size_t column = 0; column < rows[i].cells.size(); ++column)
            out << (column ? " | \"" : " \"") << rows[i].cells[column] << "\"";
        out << (rows[i].selected ? " selected" : "") << "\n";
    }
}

std::string Marked(const StyledRun& run) {
    std::string marks = std::string(run.face & bold ? "*" : "") + (run.face & underline ? "_" : "");
    return marks + run.text + std::string(marks.rbegin(), marks.rend());
}

} // namespace

void PrintLists(std::ostream& out, const WindowSnapshot& window, bool allRows) {
    for (const ListSnapshot& list : window.lists) {
        out << "  list " << Counted(list.rows, "row") << " x " << Counted(list.columns, "column")
            << ", top row " << list.topRow << ", ";
        PrintSelection(out, list);
        out << "\n";
        if (allRows)
            PrintRows(out, AllRows(list), 0);
        else
            PrintRows(out, list.shown, list.topRow);
    }
}

void PrintTextEdits(std::ostream& out, const WindowSnapshot& window) {
    for (const TextEditSnapshot& edit : window.textEdits) {
        out << "  text " << edit.lines << (edit.lines == 1 ? " line, " : " lines, ") << edit.height
            << " pixels high, scrolled " << edit.scrolled << "\n";
        for (const std::vector<StyledRun>& line : edit.shownLines) {
            out << "    |" << (line.empty() ? "" : " ");
            for (const StyledRun& run : line)
                out << Marked(run);
            out << "\n";
        }
    }
}

} // namespace platform::display
