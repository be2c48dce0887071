#include "Display/Terminal/InputTranslator.h"

#include "Controls/Control.h"
#include "Controls/ScrollBarGeometry.h"
#include "Dialogs/Dialog.h"
#include "Display/ModelView.h"
#include "Display/Terminal/CellGeometry.h"
#include "Lists/List.h"
#include "Menus/Menu.h"
#include "Windows/Window.h"

#include <algorithm>

namespace platform::display::terminal {

bool IsFocusTarget(DialogRef dialog, DialogItemIndex index) {
    const DialogItem* item = dialogs::ItemOf(dialog, index);
    if (!item) return false;
    if (dialogs::KindOf(*item) == editText) return true;
    if (!dialogs::IsControlItem(*item)) return false;
    ControlRef control = dialogs::ControlOf(*item);
    return control->visible && controls::IsActive(control) &&
           controls::KindOf(control) != controls::Kind::ScrollBar;
}

namespace {

bool IsControlTarget(DialogRef dialog, DialogItemIndex index) {
    const DialogItem* item = dialogs::ItemOf(dialog, index);
    return IsFocusTarget(dialog, index) && dialogs::IsControlItem(*item);
}

// The front window's list, the one the arrows and the wheel act on.
lists::List* FrontList() {
    WindowRef front = FrontWindow();
    const std::vector<lists::List*> found =
        front ? lists::ListsIn(front) : std::vector<lists::List*>{};
    return found.empty() ? nullptr : found.front();
}

SInt16 SelectedRow(const lists::List& list) {
    for (SInt16 row = 0; row < list.Rows(); ++row)
        if (list.Selected(::Cell{row, 0})) return row;
    return -1;
}

} // namespace

// What is made up here stands alone: a person pressing Down twice never double-clicks.
void InputTranslator::Push(RawInput::Kind kind, Point where, std::deque<RawInput>& out,
                           UInt16 modifiers, UInt8 charCode) {
    if (kind != RawInput::Kind::Key) pointer_ = where;
    out.push_back(RawInput{kind, where, modifiers, charCode, true});
}

void InputTranslator::Click(Point where, std::deque<RawInput>& out) {
    Push(RawInput::Kind::MouseDown, where, out);
    Push(RawInput::Kind::MouseUp, where, out);
}

// A window that comes to the front starts with the keyboard in its current edit field.
void InputTranslator::FollowFrontWindow() {
    WindowRef front = FrontWindow();
    if (front == focusWindow_ && (!front || front->serial == focusSerial_)) return;
    focusWindow_ = front;
    focusSerial_ = front ? front->serial : 0;
    focusItem_ = front && front->dialog ? front->dialog->editField : 0;
}

void InputTranslator::Translate(const TerminalEvent& event, std::deque<RawInput>& out) {
    FollowFrontWindow();
    switch (event.kind) {
    case TerminalEvent::Kind::Key:
        Key(event, out);
        break;
    case TerminalEvent::Kind::BackTab:
        if (!MoveFocus(-1, out)) Push(RawInput::Kind::Key, pointer_, out, shiftKey, kTabCharCode);
        break;
    case TerminalEvent::Kind::MenuKey:
        if (menuKept_)
            ReleaseMenu(out);
        else if (!menus::Bar().empty()) {
            keptMenu_ = menus::Bar().front();
            Push(RawInput::Kind::MouseDown, CentreOf(menus::TitleBounds(keptMenu_)), out);
            menuKept_ = true;
        }
        break;
    case TerminalEvent::Kind::Wheel:
        ScrollList(event.wheel, out);
        break;
    default:
        Mouse(event, out);
        break;
    }
}

void InputTranslator::Mouse(const TerminalEvent& event, std::deque<RawInput>& out) {
    const Point where = PixelOfCell(event.column, event.row);
    switch (event.kind) {
    case TerminalEvent::Kind::MouseDown:
        if (menuKept_) { // the second click of a menu kept open chooses where it lands
            Push(RawInput::Kind::MouseMove, where, out);
            Push(RawInput::Kind::MouseUp, where, out);
            menuKept_ = false;
            swallowRelease_ = true;
            return;
        }
        held_ = true;
        pressOnTitle_ = menus::MenuOfTitleAt(where) != nullptr;
        Push(RawInput::Kind::MouseDown, where, out, event.modifiers);
        out.back().single = false; // the person's own press, which may pair with the last
        if (WindowRef front = FrontWindow(); front && front->dialog) {
            const DialogItemIndex item =
                dialogs::ItemAt(front->dialog, dialogs::LocalPoint(front->dialog, where));
            if (IsFocusTarget(front->dialog, item)) focusItem_ = item;
        }
        break;
    case TerminalEvent::Kind::MouseMove:
        if (held_) Push(RawInput::Kind::MouseMove, where, out, event.modifiers);
        break;
    default:
        if (swallowRelease_ || !held_) {
            swallowRelease_ = false;
            return;
        }
        held_ = false;
        if (pressOnTitle_ && menus::MenuOfTitleAt(where)) {
            keptMenu_ = menus::MenuOfTitleAt(where); // a click on a title leaves its menu open
            menuKept_ = true;
            return;
        }
        Push(RawInput::Kind::MouseUp, where, out, event.modifiers);
    }
}

void InputTranslator::Key(const TerminalEvent& event, std::deque<RawInput>& out) {
    const UInt8 key = event.charCode;
    if (menuKept_ && MenuKey(key, out)) return;
    if (menuKept_) ReleaseMenu(out);
    const bool plain = event.modifiers == 0;
    if (plain && key == kTabCharCode && MoveFocus(+1, out)) return;
    if (plain && (key == kSpaceCharCode || key == kReturnCharCode) && focusWindow_ &&
        focusWindow_->dialog && IsControlTarget(focusWindow_->dialog, focusItem_)) {
        Click(*TheModelView().itemCenter(focusWindow_, focusItem_), out);
        return;
    }
    if (plain && (key == kUpArrowCharCode || key == kDownArrowCharCode) &&
        MoveInList(key == kUpArrowCharCode ? -1 : +1, out))
        return;
    Push(RawInput::Kind::Key, pointer_, out, event.modifiers, key);
}

// With a menu kept open: the arrows move between titles and items, Return or Space chooses,
// Escape lets go. False for any other key, which first closes the menu. The menu is followed
// here, not in the model, since keys may come faster than the program takes them.
bool InputTranslator::MenuKey(UInt8 charCode, std::deque<RawInput>& out) {
    const auto& bar = menus::Bar();
    auto at = std::find(bar.begin(), bar.end(), keptMenu_);
    if (at == bar.end()) return false;
    MenuRef menu = keptMenu_;
    if (charCode == kLeftArrowCharCode || charCode == kRightArrowCharCode) {
        const long step = charCode == kRightArrowCharCode ? 1 : long(bar.size()) - 1;
        keptMenu_ = bar[size_t((at - bar.begin() + step) % long(bar.size()))];
        Push(RawInput::Kind::MouseMove, CentreOf(menus::TitleBounds(keptMenu_)), out);
        return true;
    }
    if (charCode == kUpArrowCharCode || charCode == kDownArrowCharCode) {
        const int step = charCode == kDownArrowCharCode ? 1 : -1;
        int item = menus::ItemAt(menu, pointer_);
        for (int i = item + step; i >= 1 && i <= int(menu->items.size()); i += step)
            if (menus::IsChoosable(menu, MenuItemIndex(i))) {
                Push(RawInput::Kind::MouseMove, CentreOf(menus::ItemBounds(menu, MenuItemIndex(i))),
                     out);
                break;
            }
        return true;
    }
    if (charCode == kReturnCharCode || charCode == kSpaceCharCode) {
        Push(RawInput::Kind::MouseUp, pointer_, out);
        menuKept_ = false;
        return true;
    }
    if (charCode == kEscapeCharCode) {
        ReleaseMenu(out);
        return true;
    }
    return false;
}

void InputTranslator::ReleaseAll(std::deque<RawInput>& out) {
    ReleaseMenu(out);
    if (held_) Push(RawInput::Kind::MouseUp, pointer_, out);
    held_ = swallowRelease_ = false;
}

// Let go on the title, where nothing is chosen.
void InputTranslator::ReleaseMenu(std::deque<RawInput>& out) {
    if (!menuKept_) return;
    menuKept_ = false;
    const auto& bar = menus::Bar();
    if (std::find(bar.begin(), bar.end(), keptMenu_) == bar.end())
        keptMenu_ = bar.empty() ? nullptr : bar.front();
    const Point title = keptMenu_ ? CentreOf(menus::TitleBounds(keptMenu_)) : Point{0, 0};
    Push(RawInput::Kind::MouseMove, title, out);
    Push(RawInput::Kind::MouseUp, title, out);
}

// An edit field is entered as with the mouse, by dragging over its whole text; a button only
// takes the keyboard's focus.
bool InputTranslator::MoveFocus(int direction, std::deque<RawInput>& out) {
    DialogRef dialog = focusWindow_ ? focusWindow_->dialog : nullptr;
    if (!dialog) return false;
    const int count = int(dialog->items.size());
    // With nothing in focus, forward starts at the first item and backward at the last.
    const int from = focusItem_ == 0 && direction < 0 ? count + 1 : focusItem_;
    for (int step = 1; step <= count; ++step) {
        const int index = ((from - 1 + direction * step) % count + count) % count + 1;
        if (!IsFocusTarget(dialog, DialogItemIndex(index))) continue;
        focusItem_ = DialogItemIndex(index);
        const DialogItem& item = *dialogs::ItemOf(dialog, focusItem_);
        if (dialogs::KindOf(item) != editText) return true;
        if (focusItem_ == dialog->editField) return true; // it has the keyboard already
        // From its first character to past its right edge, which the field takes as its end.
        const Rect box = quickdraw::GlobalOf(focusWindow_->port, item.box);
        const SInt16 middle = CentreOf(box).v;
        Push(RawInput::Kind::MouseDown, Point{middle, SInt16(box.left + 1)}, out);
        Push(RawInput::Kind::MouseMove, Point{middle, box.right}, out);
        Push(RawInput::Kind::MouseUp, Point{middle, box.right}, out);
        return true;
    }
    return false;
}

// The wheel scrolls the front window's list a row at a time, as its arrows do.
void InputTranslator::ScrollList(int direction, std::deque<RawInput>& out) {
    lists::List* list = FrontList();
    if (!list || !list->rec.vScroll) return;
    const controls::ScrollBarGeometry bar = controls::GeometryOf(list->rec.vScroll);
    Click(CentreOf(
              quickdraw::GlobalOf(list->window->port, direction < 0 ? bar.upArrow : bar.downArrow)),
          out);
}

// The row above or below the selected one is clicked; one out of view is first scrolled in with
// a click on the scroll bar's arrow.
bool InputTranslator::MoveInList(int direction, std::deque<RawInput>& out) {
    lists::List* found = FrontList();
    if (!found || found->Rows() == 0) return false;
    lists::List& list = *found;
    const SInt16 top = lists::TopRow(list), shown = lists::ShownRows(list);
    const SInt16 selected = SelectedRow(list);
    const SInt16 target =
        selected < 0 ? top : SInt16(std::clamp(selected + direction, 0, list.Rows() - 1));
    if (target == selected) return true;
    SInt16 at = target;
    if (target < top || target >= top + shown) {
        if (!list.rec.vScroll) return true;
        ScrollList(direction, out);
        at = direction < 0 ? top : SInt16(top + shown - 1); // where the row lies after scrolling
        if (target < top - 1 || target > top + shown) return true;
    }
    Click(*TheModelView().listCell(list.window, at, 0), out);
    return true;
}

} // namespace platform::display::terminal
