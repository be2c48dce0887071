// One picture of the window display over the list dialog with a full list: the snapshot taken
// and every pixel painted with SDL's software renderer into an offscreen surface, as the window
// paints after each change (it repaints the whole screen, so a keystroke costs the same).
#include "Display/Desktop/DesktopPainters.h"
#include "Display/ModelView.h"
#include "OpenList.h"

#include <benchmark/benchmark.h>

namespace {

using namespace platform::display;

void BM_PaintListDialogWindow(benchmark::State& state) {
    bench::OpenList list(kJAMaxEntries);
    SDL_Surface* surface = SDL_CreateRGBSurfaceWithFormat(0, 1024, 768, 32, SDL_PIXELFORMAT_RGB888);
    SDL_Renderer* renderer = SDL_CreateSoftwareRenderer(surface);
    {
        window::Glyphs glyphs(renderer, 1);
        window::Canvas canvas(renderer, glyphs);
        const Rect screen{0, 0, 768, 1024};
        for (auto _ : state)
            window::PaintScreen(canvas, TakeSnapshot(), KeyboardFocus{}, screen);
        if (!glyphs.Ready()) state.SkipWithError("the font did not open");
    }
    SDL_DestroyRenderer(renderer);
    SDL_FreeSurface(surface);
    if (!list.ok()) state.SkipWithError("the list dialog did not open");
}
BENCHMARK(BM_PaintListDialogWindow)->Unit(benchmark::kMillisecond);

} // namespace
