// The terminal itself, through ncursesw: taking it over and giving it back, its size, and
// showing a cell buffer by writing only the cells that changed since the last picture.
#pragma once

#include "Display/Terminal/CellBuffer.h"

#include <memory>

namespace platform::display::terminal {

// Whether the terminal on standard output, as TERM describes it, can move its cursor: without
// that nothing can be drawn.
bool TerminalMovesCursor();

class TerminalOutput {
  public:
    // Takes over the terminal: no echo, keys as typed, the mouse reported, colours when it has
    // them. Ctrl-C still interrupts.
    TerminalOutput();
    ~TerminalOutput(); // gives the terminal back as it was
    TerminalOutput(const TerminalOutput&) = delete;
    TerminalOutput& operator=(const TerminalOutput&) = delete;

    int Columns() const;
    int Rows() const;
    // Reads the new size after the terminal was resized; the next picture is drawn whole.
    void Resized();
    void Show(CellBuffer picture, bool cursorShown, int cursorColumn, int cursorRow);
    void Beep();
    // Hands the terminal to another program for a while (a privilege tool asking on it).
    void Suspend();
    void Resume();

  private:
    void Write(int column, int row, const Cell& cell);
    std::unique_ptr<CellBuffer> shown_; // what the terminal shows now; null: nothing known
    bool colours_ = false;
};

} // namespace platform::display::terminal
