// Dialog items and controls in pixels: rounded buttons (the default one ringed), check boxes,
// radio buttons, pop-up menus, scroll bars with arrows and thumb, static texts wrapped in their
// boxes, edit fields with selection and caret, and the alert's icon.
#include "Display/Desktop/DesktopPainters.h"
#include "Display/TextLayout.h"
#include "Platform/Controls.h"

#include <algorithm>

namespace platform::display::window {

namespace {

void PaintEditField(Canvas& canvas, const DialogSnapshot& dialog, const ItemSnapshot& item,
                    bool front) {
    const Rect& box = item.box;
    canvas.Fill(Outset(box, 2), palette::kWhite);
    canvas.Frame(Outset(box, 3), front ? palette::kBlack : palette::kInactive);
    const bool current = dialog.editField == item.number && front;
    const int shift = current ? dialog.editScroll : 0;
    const std::string_view text = std::string_view(item.text).substr(BytesOf(item.text, shift));
    const int columns = std::max(1, (box.right - box.left) / kFontCharWidth);
    auto x = [&](SInt16 offset) {
        const int at = Characters(std::string_view(item.text).substr(0, size_t(offset))) - shift;
        return std::clamp(box.left + at * kFontCharWidth, int(box.left), int(box.right));
    };
    if (current && dialog.selStart != dialog.selEnd)
        canvas.Fill(Rect{box.top, SInt16(x(dialog.selStart)), SInt16(box.top + kFontLineHeight),
                         SInt16(x(dialog.selEnd))},
                    palette::kHighlight);
    canvas.Text(box.left, box.top, text, palette::kBlack, normal, columns);
    if (current && dialog.selStart == dialog.selEnd) {
        const SInt16 caret = SInt16(std::min(x(dialog.selStart), box.right - 1));
        canvas.Fill(Rect{box.top, caret, SInt16(box.top + kFontLineHeight), SInt16(caret + 1)},
                    palette::kBlack);
    }
}

// A red octagon with a white bar, or a yellow triangle with an exclamation mark, at 16,16 in
// the window, where the alert's template leaves room for it.
void PaintAlertIcon(Canvas& canvas, const WindowSnapshot& window) {
    const SInt16 left = SInt16(window.content.left + 16), top = SInt16(window.content.top + 16);
    const Rect icon{top, left, SInt16(top + 32), SInt16(left + 32)};
    if (window.dialog.alert == AlertKind::Stop) {
        canvas.RoundFill(icon, 10, palette::kStop);
        canvas.RoundFrame(icon, 10, palette::kBlack);
        canvas.Fill(Rect{SInt16(top + 13), SInt16(left + 7), SInt16(top + 19), SInt16(left + 25)},
                    palette::kWhite);
    } else if (window.dialog.alert == AlertKind::Caution) {
        const Point apex{top, SInt16(left + 16)}, lowLeft{SInt16(top + 31), left},
            lowRight{SInt16(top + 31), SInt16(left + 32)};
        canvas.Triangle(apex, lowLeft, lowRight, palette::kBlack);
        canvas.Triangle(Point{SInt16(top + 3), SInt16(left + 16)},
                        Point{SInt16(top + 29), SInt16(left + 2)},
                        Point{SInt16(top + 29), SInt16(left + 30)}, palette::kCaution);
        canvas.Fill(Rect{SInt16(top + 10), SInt16(left + 15), SInt16(top + 22), SInt16(left + 18)},
                    palette::kBlack);
        canvas.Fill(Rect{SInt16(top + 24), SInt16(left + 15), SInt16(top + 27), SInt16(left + 18)},
                    palette::kBlack);
    }
}

bool IsDefaultButton(const WindowSnapshot& window, const ControlSnapshot& control) {
    const ItemSnapshot* item =
        window.isDialog ? window.dialog.Item(window.dialog.defaultItem) : nullptr;
    return item && item->kind == ItemSnapshot::Kind::Control && item->control == control.id;
}

bool Pressed(const ControlSnapshot& control) {
    return control.hilite != 0 && control.hilite != kControlInactivePart;
}

void PaintButton(Canvas& canvas, const ControlSnapshot& control, bool isDefault) {
    const Rect& r = control.bounds;
    const bool active = control.hilite != kControlInactivePart;
    const Colour line = active ? palette::kBlack : palette::kInactive;
    const int radius = std::min(8, (r.bottom - r.top) / 2);
    if (isDefault) canvas.RoundFrame(Outset(r, 4), radius + 4, line, 3);
    canvas.RoundFill(r, radius, Pressed(control) ? palette::kBlack : palette::kWhite);
    canvas.RoundFrame(r, radius, line);
    CentredText(canvas, r, control.title, Pressed(control) ? palette::kWhite : line);
}

// The box or circle at the left, vertically centred, and the title after it.
void PaintMark(Canvas& canvas, const ControlSnapshot& control) {
    const Rect& r = control.bounds;
    const bool active = control.hilite != kControlInactivePart;
    const Colour line = active ? palette::kBlack : palette::kInactive;
    const SInt16 middle = SInt16((r.top + r.bottom) / 2);
    const Rect mark{SInt16(middle - 6), SInt16(r.left + 2), SInt16(middle + 6),
                    SInt16(r.left + 14)};
    const bool check = control.kind == ControlSnapshot::Kind::CheckBox;
    const int radius = check ? 0 : 6;
    canvas.RoundFill(mark, radius, Pressed(control) ? palette::kFace : palette::kWhite);
    canvas.RoundFrame(mark, radius, line, Pressed(control) ? 2 : 1);
    if (control.value && check) {
        for (int i = 2; i < 10; ++i) {
            canvas.Fill(Rect{SInt16(mark.top + i), SInt16(mark.left + i), SInt16(mark.top + i + 1),
                             SInt16(mark.left + i + 1)},
                        line);
            canvas.Fill(Rect{SInt16(mark.top + i), SInt16(mark.right - 1 - i),
                             SInt16(mark.top + i + 1), SInt16(mark.right - i)},
                        line);
        }
    } else if (control.value) {
        canvas.RoundFill(Outset(mark, -3), 3, line);
    }
    const int columns = std::max(0, (r.right - r.left - 18) / kFontCharWidth);
    canvas.Text(r.left + 18, middle - kFontLineHeight / 2, control.title, line, normal, columns);
}

void PaintPopup(Canvas& canvas, const ControlSnapshot& control) {
    const Rect& r = control.bounds;
    const Colour line =
        control.hilite != kControlInactivePart ? palette::kBlack : palette::kInactive;
    canvas.Fill(Rect{SInt16(r.top + 2), r.right, SInt16(r.bottom + 1), SInt16(r.right + 1)}, line);
    canvas.Fill(Rect{r.bottom, SInt16(r.left + 2), SInt16(r.bottom + 1), r.right}, line);
    canvas.Fill(r, Pressed(control) ? palette::kFace : palette::kWhite);
    canvas.Frame(r, line);
    const SInt16 middle = SInt16((r.top + r.bottom) / 2);
    canvas.Text(r.left + 6, middle - kFontLineHeight / 2, control.title, line, normal,
                std::max(0, (r.right - r.left - 24) / kFontCharWidth));
    canvas.Triangle(Point{SInt16(middle - 2), SInt16(r.right - 16)},
                    Point{SInt16(middle - 2), SInt16(r.right - 6)},
                    Point{SInt16(middle + 3), SInt16(r.right - 11)}, line);
}

// An arrow box pointing away from the bar's middle; black while pressed.
void PaintArrow(Canvas& canvas, const ControlSnapshot& control, const Rect& box, bool up,
                bool active) {
    const bool pressed = control.hilite == (up ? kControlUpButtonPart : kControlDownButtonPart);
    canvas.Fill(box, pressed ? palette::kBlack : palette::kFace);
    canvas.Frame(box, palette::kBlack);
    const Colour ink = pressed ? palette::kWhite : active ? palette::kBlack : palette::kInactive;
    const Point c = CentreOf(box);
    const SInt16 d = up ? SInt16(-1) : SInt16(1);
    if (control.vertical)
        canvas.Triangle(Point{SInt16(c.v - 3 * d), SInt16(c.h - 4)},
                        Point{SInt16(c.v - 3 * d), SInt16(c.h + 4)},
                        Point{SInt16(c.v + 3 * d), c.h}, ink);
    else
        canvas.Triangle(Point{SInt16(c.v - 4), SInt16(c.h - 3 * d)},
                        Point{SInt16(c.v + 4), SInt16(c.h - 3 * d)},
                        Point{c.v, SInt16(c.h + 3 * d)}, ink);
}

void PaintScrollBar(Canvas& canvas, const ControlSnapshot& control) {
    const bool active = control.hilite != kControlInactivePart && control.maximum > control.minimum;
    canvas.Fill(control.bounds, active ? palette::kTrack : palette::kWhite);
    canvas.Frame(control.bounds, palette::kBlack);
    PaintArrow(canvas, control, control.upArrow, true, active);
    PaintArrow(canvas, control, control.downArrow, false, active);
    if (!active || EmptyRect(&control.thumb)) return;
    canvas.Fill(control.thumb,
                control.hilite == kControlIndicatorPart ? palette::kShadow : palette::kFace);
    canvas.Frame(control.thumb, palette::kBlack);
}

void PaintControl(Canvas& canvas, const WindowSnapshot& window, const ControlSnapshot& control,
                  bool focused) {
    switch (control.kind) {
    case ControlSnapshot::Kind::Button:
        PaintButton(canvas, control, IsDefaultButton(window, control));
        break;
    case ControlSnapshot::Kind::CheckBox:
    case ControlSnapshot::Kind::RadioButton:
        PaintMark(canvas, control);
        break;
    case ControlSnapshot::Kind::ScrollBar:
        PaintScrollBar(canvas, control);
        break;
    case ControlSnapshot::Kind::Popup:
        PaintPopup(canvas, control);
        break;
    }
    if (focused) canvas.Frame(Outset(control.bounds, 2), palette::kHighlight, 2);
}

} // namespace

void PaintControls(Canvas& canvas, const WindowSnapshot& window, ControlRef focused) {
    for (auto at = window.controls.rbegin(); at != window.controls.rend(); ++at)
        if (at->visible) PaintControl(canvas, window, *at, at->id == focused);
}

void PaintDialogItems(Canvas& canvas, const WindowSnapshot& window, bool front) {
    for (const ItemSnapshot& item : window.dialog.items) {
        const Rect& box = item.box;
        if (item.kind == ItemSnapshot::Kind::StaticText) {
            int top = box.top;
            const int width = std::max(1, (box.right - box.left) / kFontCharWidth);
            const int lines = std::max(1, (box.bottom - box.top) / kFontLineHeight);
            for (const std::string& line : WrappedLines(item.text, width, lines)) {
                canvas.Text(box.left, top, line, palette::kBlack, normal, width);
                top += kFontLineHeight;
            }
        } else if (item.kind == ItemSnapshot::Kind::EditText) {
            PaintEditField(canvas, window.dialog, item, front);
        }
    }
    PaintAlertIcon(canvas, window);
}

} // namespace platform::display::window
