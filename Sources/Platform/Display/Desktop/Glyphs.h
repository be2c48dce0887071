// The characters of the 8 x 16 grid as textures: DejaVu Sans Mono sized so that one glyph fills
// one cell at the window's scale, each glyph rendered once in white and tinted when drawn.
#pragma once

#include "Platform/MacTypes.h"

#include <SDL.h>
#include <SDL_ttf.h>

#include <memory>
#include <unordered_map>

namespace platform::display::window {

struct Colour {
    Uint8 r = 0, g = 0, b = 0;
};

class Glyphs {
  public:
    Glyphs(SDL_Renderer* renderer, int scale);
    ~Glyphs();
    Glyphs(const Glyphs&) = delete;
    Glyphs& operator=(const Glyphs&) = delete;

    // Both faces opened.
    bool Ready() const { return fonts_[0] && fonts_[1]; }
    // The character in the cell whose top left corner is at (left, top), in model pixels.
    void Draw(int left, int top, char32_t character, bool bold, Colour colour);

  private:
    struct Glyph {
        SDL_Texture* texture = nullptr; // null for a character the font cannot show
        int width = 0, height = 0;      // device pixels
    };
    const Glyph& Find(char32_t character, bool bold);

    SDL_Renderer* renderer_;
    int scale_;
    TTF_Font* fonts_[2] = {nullptr, nullptr}; // plain, bold
    int ascent_[2] = {0, 0};
    std::unordered_map<UInt64, Glyph> cache_;
};

} // namespace platform::display::window
