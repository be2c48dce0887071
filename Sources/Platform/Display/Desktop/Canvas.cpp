#include "Display/Desktop/Canvas.h"

#include "Display/TextLayout.h"

#include <algorithm>
#include <cmath>
#include <utility>
#include <vector>

namespace platform::display::window {

namespace {

void SetColour(SDL_Renderer* renderer, Colour colour) {
    SDL_SetRenderDrawColor(renderer, colour.r, colour.g, colour.b, 255);
}

// The code point of the UTF-8 character at text[at]; a broken one shows as a question mark.
char32_t Decode(std::string_view text, size_t at, size_t length) {
    const auto lead = static_cast<unsigned char>(text[at]);
    if (length == 1) return lead < 0x80 ? lead : U'?';
    char32_t code = lead & (0x7F >> length);
    for (size_t i = 1; i < length; ++i)
        code = code << 6 | (static_cast<unsigned char>(text[at + i]) & 0x3F);
    return code;
}

} // namespace

void Canvas::Fill(const Rect& r, Colour colour) {
    if (r.right <= r.left || r.bottom <= r.top) return;
    SetColour(renderer_, colour);
    const SDL_Rect area{r.left, r.top, r.right - r.left, r.bottom - r.top};
    SDL_RenderFillRect(renderer_, &area);
}

void Canvas::Frame(const Rect& r, Colour colour, int thickness) {
    const SInt16 t = SInt16(thickness);
    Fill(Rect{r.top, r.left, SInt16(r.top + t), r.right}, colour);
    Fill(Rect{SInt16(r.bottom - t), r.left, r.bottom, r.right}, colour);
    Fill(Rect{r.top, r.left, r.bottom, SInt16(r.left + t)}, colour);
    Fill(Rect{r.top, SInt16(r.right - t), r.bottom, r.right}, colour);
}

// A row's inset at a corner of the given radius, from the circle through the corner's middle.
template <typename Span> void Canvas::RoundRows(const Rect& r, int radius, Span span) {
    radius = std::max(0, std::min({radius, (r.right - r.left) / 2, (r.bottom - r.top) / 2}));
    for (int y = r.top; y < r.bottom; ++y) {
        const int fromEdge = std::min(y - r.top, r.bottom - 1 - y);
        int inset = 0;
        if (fromEdge < radius) {
            const double dy = radius - fromEdge - 0.5;
            inset = int(std::lround(radius - std::sqrt(double(radius) * radius - dy * dy)));
        }
        span(y, r.left + inset, r.right - inset);
    }
}

void Canvas::RoundFill(const Rect& r, int radius, Colour colour) {
    RoundRows(r, radius, [&](int y, int left, int right) {
        Fill(Rect{SInt16(y), SInt16(left), SInt16(y + 1), SInt16(right)}, colour);
    });
}

// The outer shape's rows less the inner one's, the inner shape inset by the thickness.
void Canvas::RoundFrame(const Rect& r, int radius, Colour colour, int thickness) {
    const Rect inner = Outset(r, -thickness);
    std::vector<std::pair<int, int>> innerRows(size_t(std::max(0, r.bottom - r.top)), {0, 0});
    if (inner.bottom > inner.top && inner.right > inner.left)
        RoundRows(inner, std::max(0, radius - thickness), [&](int y, int left, int right) {
            innerRows[size_t(y - r.top)] = {left, right};
        });
    RoundRows(r, radius, [&](int y, int left, int right) {
        const auto [innerLeft, innerRight] = innerRows[size_t(y - r.top)];
        const SInt16 v = SInt16(y), below = SInt16(y + 1);
        if (innerLeft >= innerRight) {
            Fill(Rect{v, SInt16(left), below, SInt16(right)}, colour);
            return;
        }
        Fill(Rect{v, SInt16(left), below, SInt16(innerLeft)}, colour);
        Fill(Rect{v, SInt16(innerRight), below, SInt16(right)}, colour);
    });
}

void Canvas::Triangle(Point a, Point b, Point c, Colour colour) {
    const SDL_Color tint{colour.r, colour.g, colour.b, 255};
    const SDL_Vertex corners[3] = {{{float(a.h), float(a.v)}, tint, {0, 0}},
                                   {{float(b.h), float(b.v)}, tint, {0, 0}},
                                   {{float(c.h), float(c.v)}, tint, {0, 0}}};
    SDL_RenderGeometry(renderer_, nullptr, corners, 3, nullptr, 0);
}

int Canvas::Text(int left, int top, std::string_view text, Colour colour, Style face,
                 int maxCharacters) {
    int drawn = 0;
    for (size_t at = 0; at < text.size() && drawn < maxCharacters; ++drawn) {
        const size_t length =
            std::min(CharacterLength(static_cast<unsigned char>(text[at])), text.size() - at);
        const char32_t code = Decode(text, at, length);
        if (code >= 0x20)
            glyphs_.Draw(left + drawn * kFontCharWidth, top, code, face & bold, colour);
        at += length;
    }
    if (face & underline)
        Fill(Rect{SInt16(top + kFontAscent + 1), SInt16(left), SInt16(top + kFontAscent + 2),
                  SInt16(left + drawn * kFontCharWidth)},
             colour);
    return drawn;
}

void Canvas::Clip(const Rect& r) {
    const SDL_Rect area{r.left, r.top, std::max(0, r.right - r.left),
                        std::max(0, r.bottom - r.top)};
    SDL_RenderSetClipRect(renderer_, &area);
}

void Canvas::Unclip() {
    SDL_RenderSetClipRect(renderer_, nullptr);
}

} // namespace platform::display::window
