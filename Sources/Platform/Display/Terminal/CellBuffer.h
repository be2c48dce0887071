// The terminal's picture as a grid of cells: one character each, with the role it plays (which
// the output turns into colours) and a style. Two buffers compare cell by cell, so only what
// changed is written to the terminal.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace platform::display::terminal {

enum class Role : std::uint8_t {
    Desktop,
    MenuBar,
    Menu,
    Window,
    ActiveFrame,
    InactiveFrame,
    Button,
    DefaultButton,
    Field,
    ScrollBar,
    StopIcon,
    CautionIcon,
    Message,
};

enum CellStyle : std::uint8_t { kPlain = 0, kBold = 1, kUnderline = 2, kReverse = 4, kDim = 8 };

struct Cell {
    std::string glyph = " "; // one character, UTF-8
    Role role = Role::Desktop;
    std::uint8_t style = kPlain;
    bool operator==(const Cell&) const = default;
};

class CellBuffer {
  public:
    CellBuffer(int columns, int rows);

    int Columns() const { return columns_; }
    int Rows() const { return rows_; }
    bool Contains(int column, int row) const {
        return column >= clipLeft_ && row >= clipTop_ && column < clipRight_ && row < clipBottom_ &&
               column >= 0 && row >= 0 && column < columns_ && row < rows_;
    }
    // Later writes land only inside the area (a window's content), until Unclip.
    void Clip(int left, int top, int right, int bottom) {
        clipLeft_ = left, clipTop_ = top, clipRight_ = right, clipBottom_ = bottom;
    }
    void Unclip() { Clip(0, 0, columns_, rows_); }
    const Cell& At(int column, int row) const { return cells_[Index(column, row)]; }
    Cell& At(int column, int row) { return cells_[Index(column, row)]; }

    // Writes text from a cell onwards, one cell a character, cut at maxCells and at the edge.
    // Returns the cells written.
    int Put(int column, int row, std::string_view text, Role role, std::uint8_t style = kPlain,
            int maxCells = 1 << 30);
    void Fill(int left, int top, int right, int bottom, std::string_view glyph, Role role,
              std::uint8_t style = kPlain);
    // Adds a style to cells already there, keeping their text.
    void AddStyle(int left, int top, int right, int bottom, std::uint8_t style);

    // The characters, a line a row, trailing spaces removed: what a test compares.
    std::string Text() const;

  private:
    size_t Index(int column, int row) const {
        return size_t(row) * size_t(columns_) + size_t(column);
    }

    int columns_, rows_;
    std::vector<Cell> cells_;
    int clipLeft_ = 0, clipTop_ = 0, clipRight_ = 1 << 30, clipBottom_ = 1 << 30;
};

} // namespace platform::display::terminal
