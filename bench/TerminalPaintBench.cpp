// One frame of the terminal display over the full list dialog: the model painted into cells,
// and the comparison with the frame before that decides which cells are written.
#include "Display/Terminal/TerminalScreenPainter.h"
#include "OpenList.h"

#include <benchmark/benchmark.h>

namespace {

using namespace platform::display::terminal;

void BM_PaintListDialogFrame(benchmark::State& state) {
    bench::OpenList list(kJAMaxEntries);
    CellBuffer before(100, 30), frame(100, 30);
    PaintScreen(before, KeyboardFocus{});
    size_t changed = 0;
    for (auto _ : state) {
        PaintScreen(frame, KeyboardFocus{});
        for (int row = 0; row < frame.Rows(); ++row)
            for (int column = 0; column < frame.Columns(); ++column)
                changed += !(frame.At(column, row) == before.At(column, row));
    }
    benchmark::DoNotOptimize(changed);
    if (!list.ok()) state.SkipWithError("the list dialog did not open");
}
BENCHMARK(BM_PaintListDialogFrame)->Unit(benchmark::kMicrosecond);

} // namespace
