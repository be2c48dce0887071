// Drawing in the model's pixels on an SDL renderer scaled by a whole factor: rectangles, rounded
// rectangles, discs, triangles and text on the 8 x 16 grid.
#pragma once

#include "Display/Desktop/Glyphs.h"
#include "Platform/Quickdraw.h"

#include <climits>
#include <string_view>

namespace platform::display::window {

// The colours of the look: black on white, greys for what is inactive or recessed.
namespace palette {
constexpr Colour kBlack{0, 0, 0}, kWhite{255, 255, 255}, kDesktop{96, 112, 144},
    kFace{221, 221, 221}, kShadow{136, 136, 136}, kInactive{153, 153, 153}, kTrack{187, 187, 187},
    kHighlight{170, 196, 255}, kStop{204, 34, 34}, kCaution{255, 204, 0};
}

class Canvas {
  public:
    Canvas(SDL_Renderer* renderer, Glyphs& glyphs) : renderer_(renderer), glyphs_(glyphs) {}

    void Fill(const Rect& r, Colour colour);
    void Frame(const Rect& r, Colour colour, int thickness = 1);
    void RoundFill(const Rect& r, int radius, Colour colour);
    void RoundFrame(const Rect& r, int radius, Colour colour, int thickness = 1);
    void Triangle(Point a, Point b, Point c, Colour colour);
    // Text in cells from (left, top), at most maxCharacters of them; the face's bold and
    // underline show. The number of characters drawn.
    int Text(int left, int top, std::string_view text, Colour colour, Style face = normal,
             int maxCharacters = INT_MAX);
    // Drawing stays inside r until Unclip.
    void Clip(const Rect& r);
    void Unclip();

  private:
    // The rows of a rounded rectangle, as spans from each row's left to its right.
    template <typename Span> void RoundRows(const Rect& r, int radius, Span span);

    SDL_Renderer* renderer_;
    Glyphs& glyphs_;
};

// r grown by by pixels on every side (shrunk when by is negative).
inline Rect Outset(Rect r, int by) {
    InsetRect(&r, SInt16(-by), SInt16(-by));
    return r;
}

} // namespace platform::display::window
