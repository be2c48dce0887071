// One window: its frame with the title and close box, and what was drawn into its port.
#include "Display/Terminal/TerminalPainters.h"

#include <algorithm>

namespace platform::display::terminal {

namespace {

void PaintFrame(CellBuffer& screen, const WindowSnapshot& window, bool front) {
    const CellArea content = CellsOf(window.content);
    const CellArea frame{content.left - 1, content.top - 1, content.right + 1, content.bottom + 1};
    const Role role = front ? Role::ActiveFrame : Role::InactiveFrame;
    PaintBox(screen, frame, role, front);
    screen.Fill(content.left, content.top, content.right, content.bottom, " ", Role::Window);
    int titleLeft = frame.left + 1;
    if (window.hasCloseBox) {
        const CellArea box = CellsOf(window.closeBox);
        screen.Put(box.left, frame.top, "[×]", role, front ? kBold : kPlain);
        titleLeft = box.right;
    }
    if (window.title.empty()) return;
    const std::string title = " " + window.title + " ";
    const int room = frame.right - 1 - titleLeft;
    const int width = Characters(title);
    const int left = titleLeft + std::max(0, (room - width) / 2);
    screen.Put(left, frame.top, title, role, front ? kBold : kPlain, room);
}

std::uint8_t StyleOfFace(::Style face) {
    return std::uint8_t((face & bold ? kBold : 0) | (face & underline ? kUnderline : 0));
}

// Shapes go under texts, and highlights over them, whatever order they were drawn in.
void PaintDrawn(CellBuffer& screen, const WindowSnapshot& window) {
    using Kind = DrawnShape::Kind;
    for (const DrawnShape& shape : window.drawn) {
        const CellArea area = CellsOf(shape.rect);
        if (shape.kind == Kind::Frame || shape.kind == Kind::RoundFrame) {
            if (area.Width() >= 2 && area.Height() >= 2)
                PaintBox(screen, area, Role::Window, false);
        } else if (shape.kind == Kind::Line && (area.Width() == 1 || area.Height() == 1)) {
            screen.Fill(area.left, area.top, area.right, area.bottom,
                        area.Height() == 1 ? "─" : "│", Role::Window);
        }
    }
    for (const DrawnShape& shape : window.drawn)
        if (shape.kind == Kind::Text) {
            const CellArea area = CellsOf(shape.rect);
            screen.Put(area.left, area.top, shape.text, Role::Window, StyleOfFace(shape.face),
                       area.Width());
        }
    for (const DrawnShape& shape : window.drawn)
        if (shape.kind == Kind::Highlight) {
            const CellArea area = CellsOf(shape.rect);
            screen.AddStyle(area.left, area.top, area.right, area.bottom, kReverse);
        }
}

} // namespace

void PaintBox(CellBuffer& screen, const CellArea& box, Role role, bool doubleLines) {
    const char* horizontal = doubleLines ? "═" : "─";
    const char* vertical = doubleLines ? "║" : "│";
    const int right = box.right - 1, bottom = box.bottom - 1;
    screen.Fill(box.left, box.top, box.right, box.top + 1, horizontal, role);
    screen.Fill(box.left, bottom, box.right, box.bottom, horizontal, role);
    screen.Fill(box.left, box.top, box.left + 1, box.bottom, vertical, role);
    screen.Fill(right, box.top, box.right, box.bottom, vertical, role);
    screen.Put(box.left, box.top, doubleLines ? "╔" : "┌", role);
    screen.Put(right, box.top, doubleLines ? "╗" : "┐", role);
    screen.Put(box.left, bottom, doubleLines ? "╚" : "└", role);
    screen.Put(right, bottom, doubleLines ? "╝" : "┘", role);
}

void PaintWindow(CellBuffer& screen, const WindowSnapshot& window, bool front,
                 const KeyboardFocus& focus, PaintResult* result) {
    screen.Unclip();
    PaintFrame(screen, window, front);
    const CellArea content = CellsOf(window.content);
    screen.Clip(content.left, content.top, content.right, content.bottom);
    PaintDrawn(screen, window);
    if (window.isDialog) PaintDialogItems(screen, window, front, result);
    PaintControls(screen, window, FocusedControl(window, focus));
}

} // namespace platform::display::terminal
