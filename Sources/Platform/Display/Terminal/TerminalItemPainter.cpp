// Dialog items and controls as cells: buttons in brackets, check boxes, scroll bars with their
// arrows and thumb, static texts wrapped in their boxes, edit fields with selection and caret.
#include "Display/Terminal/TerminalPainters.h"

#include "Display/Backend.h"

#include <algorithm>

namespace platform::display::terminal {

namespace {

// Words wrapped at the box's width; a line break in the text starts a new line.
void PaintWrapped(CellBuffer& screen, const CellArea& box, std::string_view text) {
    int row = box.top;
    for (const std::string& line : WrappedLines(text, box.Width(), box.Height()))
        screen.Put(box.left, row++, line, Role::Window, kPlain, box.Width());
}

// The field as the model scrolled it; the selection stays inside the box.
void PaintEditField(CellBuffer& screen, const DialogSnapshot& dialog, const ItemSnapshot& item,
                    bool front, PaintResult* result) {
    const CellArea box = CellsOf(item.box);
    const std::string& text = item.text;
    const bool current = dialog.editField == item.number;
    const int shift = current ? dialog.editScroll : 0;
    screen.Fill(box.left, box.top, box.right, box.top + 1, " ", Role::Field, kUnderline);
    screen.Put(box.left, box.top, text.substr(BytesOf(text, shift)), Role::Field, kUnderline,
               box.Width());
    if (!current || !front) return;
    auto column = [&](SInt16 offset) {
        const int at = Characters(std::string_view(text).substr(0, size_t(offset)));
        return std::clamp(box.left + at - shift, box.left, box.right);
    };
    if (dialog.selStart == dialog.selEnd) {
        result->cursorShown = true;
        result->cursorColumn = std::min(column(dialog.selStart), box.right - 1);
        result->cursorRow = box.top;
        return;
    }
    screen.AddStyle(column(dialog.selStart), box.top, column(dialog.selEnd), box.top + 1, kReverse);
}

// At 16,16 in the window, as the alert's template leaves room for it.
void PaintAlertIcon(CellBuffer& screen, const WindowSnapshot& window) {
    const char* icon = nullptr;
    Role role = Role::StopIcon;
    switch (window.dialog.alert) {
    case AlertKind::Stop:
        icon = "(X)";
        break;
    case AlertKind::Caution:
        icon = "/!\\", role = Role::CautionIcon;
        break;
    default:
        return;
    }
    Rect place{16, 16, 32, 48};
    OffsetRect(&place, window.content.left, window.content.top);
    const CellArea at = CellsOf(place);
    screen.Put(at.left, at.top, icon, role, kBold);
}

std::uint8_t ControlStyle(const ControlSnapshot& control, bool focused) {
    if (control.hilite == 255) return kDim;
    if (control.hilite != 0) return kReverse | kBold;
    return focused ? kReverse : kPlain;
}

void PaintButton(CellBuffer& screen, const ControlSnapshot& control, const CellArea& box,
                 bool isDefault, std::uint8_t style) {
    const Role role = isDefault ? Role::DefaultButton : Role::Button;
    const int room = box.Width() - 2;
    const int width = std::min(Characters(control.title), room);
    screen.Fill(box.left, box.top, box.right, box.top + 1, " ", role, style);
    screen.Put(box.left, box.top, isDefault ? "«" : "[", role, style | kBold);
    screen.Put(box.right - 1, box.top, isDefault ? "»" : "]", role, style | kBold);
    screen.Put(box.left + 1 + (room - width) / 2, box.top, control.title, role,
               std::uint8_t(style | (isDefault ? kBold : 0)), room);
}

// A bar a cell and a bit thick keeps to its outer cell, so that it never covers what it scrolls.
void PaintScrollBar(CellBuffer& screen, const ControlSnapshot& control, std::uint8_t style) {
    CellArea bar = CellsOf(control.bounds);
    if (control.vertical)
        bar.left = bar.right - 1;
    else
        bar.top = bar.bottom - 1;
    const bool active = control.hilite != 255 && control.maximum > control.minimum;
    screen.Fill(bar.left, bar.top, bar.right, bar.bottom, active ? "░" : " ", Role::ScrollBar,
                active ? kPlain : kDim);
    // Arrows and thumb take the one cell that holds their middle, wherever the bar lies.
    auto paint = [&](const Rect& part, const char* glyph) {
        const Point centre = CentreOf(part);
        const CellArea middle =
            CellsOf(Rect{centre.v, centre.h, SInt16(centre.v + 1), SInt16(centre.h + 1)});
        const int column = control.vertical ? bar.left : middle.left;
        const int row = control.vertical ? middle.top : bar.top;
        screen.Fill(column, row, column + 1, row + 1, glyph, Role::ScrollBar, style & ~kReverse);
    };
    paint(control.upArrow, control.vertical ? "▲" : "◀");
    paint(control.downArrow, control.vertical ? "▼" : "▶");
    if (active && !EmptyRect(&control.thumb)) paint(control.thumb, "█");
}

bool IsDefaultButton(const WindowSnapshot& window, const ControlSnapshot& control) {
    const ItemSnapshot* item =
        window.isDialog ? window.dialog.Item(window.dialog.defaultItem) : nullptr;
    return item && item->kind == ItemSnapshot::Kind::Control && item->control == control.id;
}

void PaintControl(CellBuffer& screen, const WindowSnapshot& window, const ControlSnapshot& control,
                  bool focused) {
    const CellArea box = CellsOf(control.bounds);
    const std::uint8_t style = ControlStyle(control, focused);
    switch (control.kind) {
    case ControlSnapshot::Kind::Button:
        PaintButton(screen, control, box, IsDefaultButton(window, control), style);
        break;
    case ControlSnapshot::Kind::CheckBox:
    case ControlSnapshot::Kind::RadioButton: {
        const bool check = control.kind == ControlSnapshot::Kind::CheckBox;
        const char* mark =
            check ? (control.value ? "[x] " : "[ ] ") : (control.value ? "(•) " : "( ) ");
        screen.Put(box.left, box.top, std::string(mark) + control.title, Role::Window, style,
                   box.Width());
        break;
    }
    case ControlSnapshot::Kind::ScrollBar:
        PaintScrollBar(screen, control, style);
        break;
    case ControlSnapshot::Kind::Popup:
        screen.Put(box.left, box.top, "[" + control.title + " ▾]", Role::Button, style,
                   box.Width());
        break;
    }
}

} // namespace

void PaintControls(CellBuffer& screen, const WindowSnapshot& window, ControlRef focused) {
    for (auto at = window.controls.rbegin(); at != window.controls.rend(); ++at)
        if (at->visible) PaintControl(screen, window, *at, at->id == focused);
}

void PaintDialogItems(CellBuffer& screen, const WindowSnapshot& window, bool front,
                      PaintResult* result) {
    for (const ItemSnapshot& item : window.dialog.items)
        if (item.kind == ItemSnapshot::Kind::StaticText)
            PaintWrapped(screen, CellsOf(item.box), item.text);
        else if (item.kind == ItemSnapshot::Kind::EditText)
            PaintEditField(screen, window.dialog, item, front, result);
    PaintAlertIcon(screen, window);
}

} // namespace platform::display::terminal
