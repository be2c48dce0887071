#include "Display/Desktop/Glyphs.h"

#include "Platform/Quickdraw.h"

namespace platform::display::window {

namespace {

constexpr const char* kFontPaths[2] = {"/usr/share/fonts/truetype/dejavu/DejaVuSansMono.ttf",
                                       "/usr/share/fonts/truetype/dejavu/DejaVuSansMono-Bold.ttf"};

// The largest size whose glyphs are no wider than a cell and whose lines are no taller.
TTF_Font* OpenSized(const char* path, int scale) {
    TTF_Font* font = TTF_OpenFont(path, 8);
    if (!font) return nullptr;
    int chosen = 8;
    for (int size = 9; size <= 40 * scale; ++size) {
        TTF_SetFontSize(font, size);
        int advance = 0;
        TTF_GlyphMetrics32(font, 'M', nullptr, nullptr, nullptr, nullptr, &advance);
        if (advance > kFontCharWidth * scale || TTF_FontHeight(font) > kFontLineHeight * scale)
            break;
        chosen = size;
    }
    TTF_SetFontSize(font, chosen);
    return font;
}

} // namespace

Glyphs::Glyphs(SDL_Renderer* renderer, int scale) : renderer_(renderer), scale_(scale) {
    if (!TTF_WasInit() && TTF_Init() != 0) return;
    for (int face = 0; face < 2; ++face) {
        fonts_[face] = OpenSized(kFontPaths[face], scale);
        if (fonts_[face]) ascent_[face] = TTF_FontAscent(fonts_[face]);
    }
}

Glyphs::~Glyphs() {
    for (auto& [key, glyph] : cache_)
        if (glyph.texture) SDL_DestroyTexture(glyph.texture);
    for (TTF_Font* font : fonts_)
        if (font) TTF_CloseFont(font);
}

const Glyphs::Glyph& Glyphs::Find(char32_t character, bool bold) {
    const UInt64 key = UInt64(character) << 1 | (bold ? 1 : 0);
    auto found = cache_.find(key);
    if (found != cache_.end()) return found->second;
    Glyph glyph;
    TTF_Font* font = fonts_[bold ? 1 : 0];
    if (font && TTF_GlyphIsProvided32(font, character)) {
        if (SDL_Surface* surface =
                TTF_RenderGlyph32_Blended(font, character, SDL_Color{255, 255, 255, 255})) {
            glyph = Glyph{SDL_CreateTextureFromSurface(renderer_, surface), surface->w, surface->h};
            SDL_FreeSurface(surface);
            if (glyph.texture) SDL_SetTextureBlendMode(glyph.texture, SDL_BLENDMODE_BLEND);
        }
    }
    return cache_.emplace(key, glyph).first->second;
}

// The glyph's baseline lies on the grid's, 12 pixels below the cell's top, and it is centred
// across the cell.
void Glyphs::Draw(int left, int top, char32_t character, bool bold, Colour colour) {
    const Glyph& glyph = Find(character, bold);
    if (!glyph.texture) return;
    SDL_SetTextureColorMod(glyph.texture, colour.r, colour.g, colour.b);
    // Whole device pixels, so that no glyph is smeared across two.
    const int x = left * scale_ + (kFontCharWidth * scale_ - glyph.width) / 2;
    const int y = (top + kFontAscent) * scale_ - ascent_[bold ? 1 : 0];
    const float scale = float(scale_);
    const SDL_FRect where{float(x) / scale, float(y) / scale, float(glyph.width) / scale,
                          float(glyph.height) / scale};
    SDL_RenderCopyF(renderer_, glyph.texture, nullptr, &where);
}

} // namespace platform::display::window
