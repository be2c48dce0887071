// Making and disposing of lists, their modes and the accessors.
#include "Controls/Control.h"
#include "Lists/List.h"
#include "Windows/Window.h"

#include <algorithm>

namespace platform::lists {

namespace {

constexpr Point kTextIndent{0, 4};

// A zero width shares the view among the columns; a zero height is the font's line.
Point CellSizeFor(const Rect& view, SInt16 columns, Point requested) {
    SInt16 width = SInt16((view.right - view.left) / std::max<SInt16>(columns, 1));
    return Point{requested.v > 0 ? requested.v : kFontLineHeight,
                 requested.h > 0 ? requested.h : width};
}

void MakeScrollBar(List& list) {
    static const unsigned char kNoTitle[1] = {0};
    Rect bar = ScrollBarBounds(list.rec.rView);
    list.rec.vScroll = NewControl(list.window, &bar, kNoTitle, true, 0, 0, 0, scrollBarProc,
                                  reinterpret_cast<SRefCon>(list.Handle()));
}

} // namespace

} // namespace platform::lists

using namespace platform::lists;

ListHandle LNew(const Rect* rView, const ListBounds* dataBounds, Point cSize, SInt16 theProc,
                WindowRef theWindow, Boolean drawIt, Boolean, Boolean, Boolean scrollVert) {
    if (!rView || !dataBounds || theProc != 0 || !platform::windows::IsWindow(theWindow))
        return nullptr;
    auto made = std::make_unique<List>();
    ListRec& rec = made->rec;
    SInt16 rows = SInt16(std::max(0, dataBounds->bottom - dataBounds->top));
    SInt16 columns = SInt16(std::max(0, dataBounds->right - dataBounds->left));
    made->window = theWindow;
    made->cells.resize(size_t(rows) * size_t(columns));
    made->selected.resize(made->cells.size());
    rec.rView = *rView;
    rec.port = GetWindowPort(theWindow);
    rec.indent = kTextIndent;
    rec.cellSize = CellSizeFor(*rView, columns, cSize);
    rec.visible.right = SInt16((rView->right - rView->left) / std::max<SInt16>(rec.cellSize.h, 1));
    rec.listFlags = drawIt ? 0 : lDrawingModeOff;
    rec.lastClick = Cell{-1, -1};
    rec.dataBounds = ListBounds{0, 0, rows, columns};
    List& list = Register(std::move(made));
    if (scrollVert) MakeScrollBar(list);
    ScrollTo(list, 0);
    InstallModelView();
    return list.Handle();
}

// The scroll bar may have gone with its window already.
void LDispose(ListHandle lHandle) {
    List* list = Find(lHandle);
    if (!list) return;
    std::vector<ControlRef> controls = platform::controls::ControlsOf(list->window);
    if (std::find(controls.begin(), controls.end(), list->rec.vScroll) != controls.end())
        DisposeControl(list->rec.vScroll);
    Forget(lHandle);
}

void LSetDrawingMode(Boolean drawIt, ListHandle lHandle) {
    List* list = Find(lHandle);
    if (!list) return;
    if (!drawIt) {
        list->rec.listFlags |= lDrawingModeOff;
        return;
    }
    list->rec.listFlags &= SInt8(~lDrawingModeOff);
    ScrollTo(*list, TopRow(*list)); // brings the scroll bar up to date and draws
}

Rect* GetListViewBounds(ListHandle list, Rect* view) {
    const List* found = Find(list);
    *view = found ? found->rec.rView : Rect{};
    return view;
}

ControlRef GetListVerticalScrollBar(ListHandle list) {
    const List* found = Find(list);
    return found ? found->rec.vScroll : nullptr;
}

void SetListSelectionFlags(ListHandle list, SInt8 selectionFlags) {
    if (List* found = Find(list)) found->rec.selFlags = selectionFlags;
}
