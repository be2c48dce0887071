// The terminal's cell grid: one character a cell, clipped to the edge and to a window.
#include "Display/Terminal/CellBuffer.h"

#include <gtest/gtest.h>

using namespace platform::display::terminal;

TEST(TerminalCellBuffer, WritesCharactersNotBytesAndStaysInsideItsClip) {
    CellBuffer cells(6, 3);
    EXPECT_EQ(cells.Put(1, 0, "«é»\x01x", Role::Window, kBold), 5);
    EXPECT_EQ(cells.At(2, 0).glyph, "é");
    EXPECT_EQ(cells.At(4, 0).glyph, " "); // a control byte never reaches the terminal
    EXPECT_EQ(cells.At(1, 0).style, kBold);
    cells.Put(4, 1, "abcdef", Role::Window); // cut at the edge
    EXPECT_EQ(cells.Put(0, 2, "abcdef", Role::Window, kPlain, 2), 2);

    cells.Clip(1, 1, 3, 3);
    cells.Fill(0, 0, 6, 3, "#", Role::Field);
    cells.AddStyle(0, 0, 6, 3, kReverse);
    EXPECT_EQ(cells.Text(), " «é» x\n ## ab\na##\n");
    EXPECT_EQ(cells.At(0, 2).style, kPlain);
    EXPECT_EQ(cells.At(1, 2).style, kReverse);
    cells.Unclip();
    cells.Put(5, 2, "z", Role::Window);
    EXPECT_EQ(cells.At(5, 2).glyph, "z");
}
