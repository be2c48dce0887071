// The chooser's events: its own modal loop, or the events the event retrieval hands to it as a
// sheet. Clicks in the list select a row and open it when doubled; everything else is the
// dialog's usual handling.
#include "Navigation/Chooser.h"

#include "Dialogs/Dialog.h"

namespace platform::navigation {

namespace {

bool IsWindowEvent(const EventRecord& event) {
    return event.what == updateEvt || event.what == activateEvt;
}

// Command-period cancels and Command-A selects the name; other Command keys stay the
// application's menu keys.
bool IsDialogKey(const EventRecord& event) {
    const auto charCode = UInt8(event.message & charCodeMask);
    return !(event.modifiers & cmdKey) || charCode == '.' ||
           dialogs::IsSelectAllKey(charCode, event.modifiers);
}

WindowRef ClickedWindow(const EventRecord& event) {
    WindowRef window = nullptr;
    FindWindow(event.where, &window);
    return window;
}

// The sheet's own window events, the dialog's keys while it is in front, and clicks in it or in
// the parent that it blocks.
bool AimedAtSheet(const EventRecord& event, WindowRef sheet, WindowRef parent) {
    switch (event.what) {
    case updateEvt:
    case activateEvt:
        return reinterpret_cast<WindowRef>(event.message) == sheet;
    case keyDown:
    case autoKey:
        return FrontWindow() == sheet && IsDialogKey(event);
    case mouseDown:
        return ClickedWindow(event) == sheet || ClickedWindow(event) == parent;
    default:
        return false;
    }
}

} // namespace

const ChooserResult& Chooser::RunModal(OtherWindowEvents others) {
    others_ = std::move(others);
    while (!finished_)
        Act(dialogs::RunModal(dialog_, &Chooser::Filter));
    others_ = nullptr;
    return result_;
}

bool Chooser::TakeSheetEvent(const EventRecord& event) {
    if (!AimedAtSheet(event, Window(), parent_)) return false;
    bool behind = FrontWindow() != Window() || ClickedWindow(event) == parent_;
    if (event.what == mouseDown && behind) {
        BringToFront();
        return true;
    }
    EventRecord mine = event;
    Act(ItemOfEvent(mine));
    return true;
}

void Chooser::End() {
    finished_ = true;
    result_.confirmed = false;
}

DialogItemIndex Chooser::ItemOfEvent(EventRecord& event) {
    DialogItemIndex item = 0;
    if (FilterEvent(event, &item) || dialogs::StandardKeys(dialog_, event, &item)) return item;
    DialogRef hit = nullptr;
    if (IsDialogEvent(&event) && DialogSelect(&event, &hit, &item) && hit == dialog_) return item;
    return 0;
}

// While the chooser runs modally, other windows' update and activate events go to the caller,
// who may end the chooser meanwhile.
bool Chooser::FilterEvent(EventRecord& event, DialogItemIndex* itemHit) {
    bool others = IsWindowEvent(event) && reinterpret_cast<WindowRef>(event.message) != Window();
    if (others && others_) {
        others_(event);
        *itemHit = finished_ ? kCancelItem : 0;
        return true;
    }
    if (!InList(event)) return false;
    *itemHit = ClickList(event) ? kListItem : 0;
    return true;
}

bool Chooser::InList(const EventRecord& event) const {
    WindowRef window = nullptr;
    if (event.what != mouseDown || FindWindow(event.where, &window) != inContent ||
        window != Window())
        return false;
    Point local = dialogs::LocalPoint(dialog_, event.where);
    return dialogs::ItemAt(dialog_, local) == kListItem;
}

// A click on a row shows it in the name field: any row in the open chooser, a file's in the
// save chooser, whose name field keeps the name otherwise. True for a double click on a row.
bool Chooser::ClickList(const EventRecord& event) {
    Point local = dialogs::LocalPoint(dialog_, event.where);
    Rect view;
    bool onRows = PtInRect(local, GetListViewBounds(list_, &view));
    bool twice = LClick(local, event.modifiers, list_);
    std::optional<std::string> row = SelectedRow();
    if (!onRows || !row) return false;
    bool isFolder = row->ends_with('/') || *row == "..";
    if (setup_.kind == ChooserKind::Open || !isFolder) SetField(*row);
    return twice;
}

} // namespace platform::navigation
