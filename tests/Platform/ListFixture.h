// A window holding lists laid out as the Job Account list's (11 rows of two 184-pixel columns),
// with the dialog tests' script and clean-up.
#pragma once

#include "DialogTestFixture.h"
#include "Lists/ListDescription.h"
#include "Platform/Lists.h"

#include <string>

class ListFixture : public DialogFixture {
  protected:
    static constexpr Rect kView{64, 16, 240, 385};
    static constexpr Point kOrigin{100, 100}; // the window's content on screen

    void SetUp() override {
        DialogFixture::SetUp();
        Rect content{kOrigin.v, kOrigin.h, SInt16(kOrigin.v + 300), SInt16(kOrigin.h + 500)};
        window_ = platform::windows::CreateWindow(content, "Lists", true, false, 0,
                                                  reinterpret_cast<WindowRef>(-1));
        SetPort(GetWindowPort(window_));
    }

    void TearDown() override {
        for (ListHandle list : lists_)
            LDispose(list);
        DialogFixture::TearDown();
    }

    // Rows of "name R" and "R", one cell at a time selectable unless flags say otherwise.
    ListHandle Make(SInt16 rows, SInt8 flags = lOnlyOne, Rect view = kView) {
        ListBounds bounds{0, 0, 0, 2};
        ListHandle list = LNew(&view, &bounds, Point{0, 0}, 0, window_, false, false, false, true);
        lists_.push_back(list);
        SetListSelectionFlags(list, flags);
        LAddRow(rows, 0, list);
        for (SInt16 row = 0; row < rows; ++row) {
            std::string name = "name " + std::to_string(row), id = std::to_string(row);
            LSetCell(name.data(), SInt16(name.size()), Cell{row, 0}, list);
            LSetCell(id.data(), SInt16(id.size()), Cell{row, 1}, list);
        }
        LSetDrawingMode(true, list);
        return list;
    }

    static std::string TextOf(ListHandle list, SInt16 row, SInt16 column) {
        char data[64];
        SInt16 length = sizeof data;
        LGetCell(data, &length, Cell{row, column}, list);
        return std::string(data, size_t(length));
    }

    // The list's summary line, e.g. "list 3 rows x 2 columns, top row 0, selected row 1".
    std::string Summary() const {
        std::ostringstream out;
        platform::lists::DescribeLists(out, window_);
        std::string text = out.str();
        return text.substr(2, text.find('\n') - 2);
    }

    static Point Global(SInt16 h, SInt16 v) {
        return Point{SInt16(kOrigin.v + v), SInt16(kOrigin.h + h)};
    }

    WindowRef window_ = nullptr;
    std::vector<ListHandle> lists_;
};
