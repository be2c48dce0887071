// The Job Account list at its largest page: 1000 rows of two cells rebuilt as the list dialog
// rebuilds them, scrolled through row by row, and selected a whole row at a time.
#include "Lists/List.h"
#include "Windows/Window.h"

#include <benchmark/benchmark.h>
#include <string>
#include <vector>

namespace {

constexpr SInt16 kRows = 1000;

// A window with the list dialog's list: 11 rows of two 184-pixel columns and a scroll bar.
class PageList {
  public:
    PageList() {
        window_ = platform::windows::CreateWindow(Rect{40, 40, 360, 600}, "List", true, false, 0,
                                                  reinterpret_cast<WindowRef>(-1));
        Rect view{64, 16, 240, 385};
        ListBounds bounds{0, 0, 0, 2};
        list_ = LNew(&view, &bounds, Point{0, 0}, 0, window_, false, false, false, true);
        SetListSelectionFlags(list_, lOnlyOne);
        for (SInt16 row = 0; row < kRows; ++row) {
            names_.push_back("Account Holder " + std::to_string(row));
            ids_.push_back(std::to_string(100000 + row));
        }
        Rebuild();
    }
    ~PageList() {
        LDispose(list_);
        DisposeWindow(window_);
    }
    PageList(const PageList&) = delete;
    PageList& operator=(const PageList&) = delete;

    // Every row deleted and added again, the cells set with drawing off, then drawn.
    void Rebuild() {
        LSetDrawingMode(false, list_);
        LDelRow(0, 0, list_);
        LAddRow(kRows, 0, list_);
        for (SInt16 row = 0; row < kRows; ++row) {
            LSetCell(names_[size_t(row)].data(), SInt16(names_[size_t(row)].size()), Cell{row, 0},
                     list_);
            LSetCell(ids_[size_t(row)].data(), SInt16(ids_[size_t(row)].size()), Cell{row, 1},
                     list_);
        }
        LSetDrawingMode(true, list_);
    }

    // As the event loop selects: the old row off, the new row on, then the selection found.
    void SelectRow(SInt16 row, SInt16 previous) {
        for (SInt16 column = 0; column < 2; ++column) {
            LSetSelect(false, Cell{previous, column}, list_);
            LSetSelect(true, Cell{row, column}, list_);
        }
        Cell found{0, 0};
        LGetSelect(true, &found, list_);
        LAutoScroll(list_);
    }

    ListHandle list() const { return list_; }

  private:
    WindowRef window_ = nullptr;
    ListHandle list_ = nullptr;
    std::vector<std::string> names_, ids_;
};

void BM_RebuildThousandRows(benchmark::State& state) {
    PageList page;
    for (auto _ : state)
        page.Rebuild();
}
BENCHMARK(BM_RebuildThousandRows)->Unit(benchmark::kMicrosecond);

void BM_ScrollThroughThousandRows(benchmark::State& state) {
    PageList page;
    platform::lists::List& list = *platform::lists::Find(page.list());
    for (auto _ : state) {
        for (SInt16 row = 1; row <= kRows; ++row)
            platform::lists::ScrollTo(list, row);
        platform::lists::ScrollTo(list, 0);
    }
    state.SetItemsProcessed(state.iterations() * kRows);
}
BENCHMARK(BM_ScrollThroughThousandRows)->Unit(benchmark::kMicrosecond);

void BM_SelectEveryRowOfThousand(benchmark::State& state) {
    PageList page;
    for (auto _ : state)
        for (SInt16 row = 0; row < kRows; ++row)
            page.SelectRow(row, SInt16(row > 0 ? row - 1 : kRows - 1));
    state.SetItemsProcessed(state.iterations() * kRows);
}
BENCHMARK(BM_SelectEveryRowOfThousand)->Unit(benchmark::kMicrosecond);

} // namespace
