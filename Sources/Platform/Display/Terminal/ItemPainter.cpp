// Dialog items and controls as cells: buttons in brackets, check boxes, scroll bars with their
// arrows and thumb, static texts wrapped in their boxes, edit fields with selection and caret.
#include "Display/Terminal/Painters.h"

#include "Controls/Control.h"
#include "Controls/ScrollBarGeometry.h"
#include "Dialogs/Dialog.h"
#include "Display/Backend.h"
#include "Windows/Window.h"

#include <algorithm>

namespace platform::display::terminal {

namespace {

int Characters(std::string_view text) {
    return TextWidth(text.data(), 0, SInt16(std::min<size_t>(text.size(), 32767))) / kFontCharWidth;
}

// The bytes of text's first count characters.
size_t BytesOf(std::string_view text, int count) {
    size_t at = 0;
    for (int i = 0; i < count && at < text.size(); ++i)
        at += CharacterLength(static_cast<unsigned char>(text[at]));
    return std::min(at, text.size());
}

// Words wrapped at the box's width; a line break in the text starts a new line.
void PaintWrapped(CellBuffer& screen, const CellArea& box, std::string_view text) {
    int row = box.top;
    std::string line;
    auto flush = [&] {
        screen.Put(box.left, row++, line, Role::Window, kPlain, box.Width());
        line.clear();
    };
    size_t at = 0;
    while (at < text.size() && row < box.bottom) {
        const size_t end = text.find_first_of(" \r", at);
        const std::string_view word =
            text.substr(at, end == std::string_view::npos ? end : end - at);
        const std::string candidate =
            line.empty() ? std::string(word) : line + " " + std::string(word);
        if (!line.empty() && Characters(candidate) > box.Width()) flush();
        if (row >= box.bottom) break;
        line = line.empty() ? std::string(word) : line + " " + std::string(word);
        if (end == std::string_view::npos) break;
        if (text[end] == '\r') flush();
        at = end + 1;
    }
    if (!line.empty() && row < box.bottom) flush();
}

// The field as the model scrolled it; the selection stays inside the box.
void PaintEditField(CellBuffer& screen, DialogRef dialog, DialogItemIndex index, bool front,
                    PaintResult* result) {
    const DialogItem& item = *dialogs::ItemOf(dialog, index);
    const CellArea box = GlobalCells(dialog->window, item.box);
    const std::string text = dialogs::HandleText(item.handle);
    const bool current = dialog->editField == index;
    const int shift = current ? dialog->editScroll : 0;
    screen.Fill(box.left, box.top, box.right, box.top + 1, " ", Role::Field, kUnderline);
    screen.Put(box.left, box.top, text.substr(BytesOf(text, shift)), Role::Field, kUnderline,
               box.Width());
    if (!current || !front) return;
    auto column = [&](SInt16 offset) {
        const int at = Characters(std::string_view(text).substr(0, size_t(offset)));
        return std::clamp(box.left + at - shift, box.left, box.right);
    };
    if (dialog->selStart == dialog->selEnd) {
        result->cursorShown = true;
        result->cursorColumn = std::min(column(dialog->selStart), box.right - 1);
        result->cursorRow = box.top;
        return;
    }
    screen.AddStyle(column(dialog->selStart), box.top, column(dialog->selEnd), box.top + 1,
                    kReverse);
}

void PaintAlertIcon(CellBuffer& screen, DialogRef dialog) {
    const char* icon = nullptr;
    Role role = Role::StopIcon;
    switch (dialog->alert) {
    case AlertKind::Stop:
        icon = "(X)";
        break;
    case AlertKind::Caution:
        icon = "/!\\", role = Role::CautionIcon;
        break;
    default:
        return;
    }
    const CellArea at = GlobalCells(dialog->window, Rect{16, 16, 32, 48});
    screen.Put(at.left, at.top, icon, role, kBold);
}

std::uint8_t ControlStyle(ControlRef control, bool focused) {
    if (control->hilite == 255) return kDim;
    if (control->hilite != 0) return kReverse | kBold;
    return focused ? kReverse : kPlain;
}

void PaintButton(CellBuffer& screen, ControlRef control, const CellArea& box, bool isDefault,
                 std::uint8_t style) {
    const Role role = isDefault ? Role::DefaultButton : Role::Button;
    const int room = box.Width() - 2;
    const int width = std::min(Characters(control->title), room);
    screen.Fill(box.left, box.top, box.right, box.top + 1, " ", role, style);
    screen.Put(box.left, box.top, isDefault ? "«" : "[", role, style | kBold);
    screen.Put(box.right - 1, box.top, isDefault ? "»" : "]", role, style | kBold);
    screen.Put(box.left + 1 + (room - width) / 2, box.top, control->title, role,
               std::uint8_t(style | (isDefault ? kBold : 0)), room);
}

// A bar a cell and a bit thick keeps to its outer cell, so that it never covers what it scrolls.
void PaintScrollBar(CellBuffer& screen, ControlRef control, std::uint8_t style) {
    const controls::ScrollBarGeometry parts = controls::GeometryOf(control);
    CellArea bar = GlobalCells(control->window, control->bounds);
    if (parts.vertical)
        bar.left = bar.right - 1;
    else
        bar.top = bar.bottom - 1;
    const bool active = control->hilite != 255 && control->maximum > control->minimum;
    screen.Fill(bar.left, bar.top, bar.right, bar.bottom, active ? "░" : " ", Role::ScrollBar,
                active ? kPlain : kDim);
    // Arrows and thumb take the one cell that holds their middle, wherever the bar lies.
    auto paint = [&](const Rect& part, const char* glyph) {
        const Point centre = CentreOf(part);
        const CellArea middle = GlobalCells(
            control->window, Rect{centre.v, centre.h, SInt16(centre.v + 1), SInt16(centre.h + 1)});
        const int column = parts.vertical ? bar.left : middle.left;
        const int row = parts.vertical ? middle.top : bar.top;
        screen.Fill(column, row, column + 1, row + 1, glyph, Role::ScrollBar, style & ~kReverse);
    };
    paint(parts.upArrow, parts.vertical ? "▲" : "◀");
    paint(parts.downArrow, parts.vertical ? "▼" : "▶");
    if (active && !EmptyRect(&parts.thumb)) paint(parts.thumb, "█");
}

bool IsDefaultButton(ControlRef control) {
    DialogRef dialog = control->window ? control->window->dialog : nullptr;
    const DialogItem* item = dialog ? dialogs::ItemOf(dialog, dialog->defaultItem) : nullptr;
    return item && dialogs::IsControlItem(*item) && dialogs::ControlOf(*item) == control;
}

void PaintControl(CellBuffer& screen, ControlRef control, bool focused) {
    const CellArea box = GlobalCells(control->window, control->bounds);
    const std::uint8_t style = ControlStyle(control, focused);
    switch (controls::KindOf(control)) {
    case controls::Kind::Button:
        PaintButton(screen, control, box, IsDefaultButton(control), style);
        break;
    case controls::Kind::CheckBox:
    case controls::Kind::RadioButton: {
        const bool check = controls::KindOf(control) == controls::Kind::CheckBox;
        const char* mark =
            check ? (control->value ? "[x] " : "[ ] ") : (control->value ? "(•) " : "( ) ");
        screen.Put(box.left, box.top, std::string(mark) + control->title, Role::Window, style,
                   box.Width());
        break;
    }
    case controls::Kind::ScrollBar:
        PaintScrollBar(screen, control, style);
        break;
    case controls::Kind::Popup:
        screen.Put(box.left, box.top, "[" + control->title + " ▾]", Role::Button, style,
                   box.Width());
        break;
    }
}

} // namespace

void PaintControls(CellBuffer& screen, WindowRef window, ControlRef focused) {
    const std::vector<ControlRef> controls = controls::ControlsOf(window);
    for (auto at = controls.rbegin(); at != controls.rend(); ++at)
        if ((*at)->visible) PaintControl(screen, *at, *at == focused);
}

void PaintDialogItems(CellBuffer& screen, DialogRef dialog, bool front, PaintResult* result) {
    for (DialogItemIndex i = 1; i <= DialogItemIndex(dialog->items.size()); ++i) {
        const DialogItem& item = *dialogs::ItemOf(dialog, i);
        if (dialogs::KindOf(item) == statText)
            PaintWrapped(screen, GlobalCells(dialog->window, item.box),
                         dialogs::ShownText(dialogs::HandleText(item.handle)));
        else if (dialogs::KindOf(item) == editText)
            PaintEditField(screen, dialog, i, front, result);
    }
    PaintAlertIcon(screen, dialog);
}

} // namespace platform::display::terminal
