// One window: its frame with the title bar and close box, and what was drawn into its port.
#include "Display/Desktop/DesktopPainters.h"
#include "Display/TextLayout.h"

#include <algorithm>

namespace platform::display::window {

namespace {

// The front window's title bar is striped, with room cleared around the title and close box.
void PaintTitleBar(Canvas& canvas, const WindowSnapshot& window, bool front) {
    const Rect& bar = window.titleBar;
    canvas.Fill(bar, front ? palette::kFace : palette::kWhite);
    canvas.Fill(Rect{SInt16(bar.bottom - 1), bar.left, bar.bottom, bar.right}, palette::kBlack);
    const int width = Characters(window.title) * kFontCharWidth;
    const Rect title{bar.top, SInt16((bar.left + bar.right - width) / 2 - 6), bar.bottom,
                     SInt16((bar.left + bar.right + width) / 2 + 6)};
    if (front) {
        for (int y = bar.top + 3; y < bar.bottom - 3; y += 2)
            canvas.Fill(Rect{SInt16(y), SInt16(bar.left + 2), SInt16(y + 1), SInt16(bar.right - 2)},
                        palette::kShadow);
        if (width > 0)
            canvas.Fill(Rect{SInt16(bar.top + 1), title.left, SInt16(bar.bottom - 1), title.right},
                        palette::kFace);
    }
    canvas.Clip(bar);
    CentredText(canvas, bar, window.title, front ? palette::kBlack : palette::kInactive, bold);
    canvas.Unclip();
    if (front && !EmptyRect(&window.closeBox)) {
        canvas.Fill(Outset(window.closeBox, 2), palette::kFace);
        canvas.Fill(window.closeBox, palette::kWhite);
        canvas.Frame(window.closeBox, palette::kBlack);
    }
}

// A frame with a shadow; a window without a title bar (an alert) gets a double border.
void PaintFrame(Canvas& canvas, const WindowSnapshot& window, bool front) {
    const Rect outline = EmptyRect(&window.titleBar) ? Outset(window.content, 4) : window.structure;
    const Rect outer = Outset(outline, 1);
    canvas.Fill(
        Rect{SInt16(outer.top + 2), outer.right, SInt16(outer.bottom + 1), SInt16(outer.right + 1)},
        palette::kShadow);
    canvas.Fill(Rect{outer.bottom, SInt16(outer.left + 2), SInt16(outer.bottom + 1),
                     SInt16(outer.right + 1)},
                palette::kShadow);
    canvas.Fill(outline, palette::kWhite);
    canvas.Frame(outer, palette::kBlack);
    if (EmptyRect(&window.titleBar))
        canvas.Frame(Outset(window.content, 2), front ? palette::kBlack : palette::kInactive, 2);
    else
        PaintTitleBar(canvas, window, front);
    canvas.Fill(window.content, palette::kWhite);
}

// Frames and lines first, then the selected areas, then the texts on top of them.
void PaintDrawn(Canvas& canvas, const WindowSnapshot& window) {
    using Kind = DrawnShape::Kind;
    for (const DrawnShape& shape : window.drawn)
        switch (shape.kind) {
        case Kind::Frame:
        case Kind::ListBoxFrame:
            canvas.Frame(shape.rect, palette::kBlack);
            break;
        case Kind::RoundFrame:
            canvas.RoundFrame(shape.rect, 8, palette::kBlack);
            break;
        case Kind::FocusRing:
            canvas.Frame(Outset(shape.rect, 2), palette::kHighlight, 2);
            break;
        case Kind::Line:
            canvas.Fill(shape.rect, palette::kBlack);
            break;
        default:
            break;
        }
    for (const DrawnShape& shape : window.drawn)
        if (shape.kind == Kind::Highlight) canvas.Fill(shape.rect, palette::kHighlight);
    for (const DrawnShape& shape : window.drawn)
        if (shape.kind == Kind::Text)
            canvas.Text(shape.rect.left, shape.rect.top, shape.text, palette::kBlack, shape.face,
                        std::max(1, (shape.rect.right - shape.rect.left) / kFontCharWidth));
}

} // namespace

void CentredText(Canvas& canvas, const Rect& box, std::string_view text, Colour colour,
                 Style face) {
    const int width = Characters(text) * kFontCharWidth;
    canvas.Text((box.left + box.right - width) / 2,
                (box.top + box.bottom) / 2 - kFontLineHeight / 2, text, colour, face);
}

void PaintWindow(Canvas& canvas, const WindowSnapshot& window, bool front,
                 const KeyboardFocus& focus) {
    canvas.Unclip();
    PaintFrame(canvas, window, front);
    canvas.Clip(window.content);
    PaintDrawn(canvas, window);
    if (window.isDialog) PaintDialogItems(canvas, window, front);
    PaintControls(canvas, window, FocusedControl(window, focus));
    canvas.Unclip();
}

} // namespace platform::display::window
