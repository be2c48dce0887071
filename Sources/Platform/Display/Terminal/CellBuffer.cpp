#include "Display/Terminal/CellBuffer.h"

#include "Display/TextLayout.h"

#include <algorithm>

namespace platform::display::terminal {

CellBuffer::CellBuffer(int columns, int rows)
    : columns_(std::max(columns, 0)), rows_(std::max(rows, 0)),
      cells_(size_t(columns_) * size_t(rows_)) {}

int CellBuffer::Put(int column, int row, std::string_view text, Role role, std::uint8_t style,
                    int maxCells) {
    int written = 0;
    for (size_t i = 0; i < text.size() && written < maxCells;) {
        const size_t length =
            std::min(CharacterLength(static_cast<unsigned char>(text[i])), text.size() - i);
        std::string glyph(text.substr(i, length));
        if (glyph.size() == 1 && static_cast<unsigned char>(glyph[0]) < 0x20)
            glyph = " "; // never a control byte
        if (Contains(column + written, row)) At(column + written, row) = Cell{glyph, role, style};
        ++written;
        i += length;
    }
    return written;
}

void CellBuffer::Fill(int left, int top, int right, int bottom, std::string_view glyph, Role role,
                      std::uint8_t style) {
    for (int row = top; row < bottom; ++row)
        for (int column = left; column < right; ++column)
            if (Contains(column, row)) At(column, row) = Cell{std::string(glyph), role, style};
}

void CellBuffer::AddStyle(int left, int top, int right, int bottom, std::uint8_t style) {
    for (int row = top; row < bottom; ++row)
        for (int column = left; column < right; ++column)
            if (Contains(column, row)) At(column, row).style |= style;
}

std::string CellBuffer::Text() const {
    std::string text;
    for (int row = 0; row < rows_; ++row) {
        std::string line;
        for (int column = 0; column < columns_; ++column)
            line += At(column, row).glyph;
        line.erase(line.find_last_not_of(' ') + 1);
        text += line + "\n";
    }
    return text;
}

} // namespace platform::display::terminal
