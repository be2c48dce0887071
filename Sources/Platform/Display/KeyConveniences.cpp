#include "Display/KeyConveniences.h"

#include "Display/ModelView.h"

#include <algorithm>
#include <cstdlib>
#include <vector>

namespace platform::display {

bool IsFocusTarget(const WindowSnapshot& window, DialogItemIndex index) {
    const ItemSnapshot* item = window.isDialog ? window.dialog.Item(index) : nullptr;
    if (!item) return false;
    if (item->kind == ItemSnapshot::Kind::EditText) return true;
    if (item->kind != ItemSnapshot::Kind::Control) return false;
    const ControlSnapshot* control = window.Control(item->control);
    return control && control->visible && control->active &&
           control->kind != ControlSnapshot::Kind::ScrollBar;
}

ControlRef FocusedControl(const WindowSnapshot& window, const KeyboardFocus& focus) {
    if (focus.window != window.id || !window.isDialog) return nullptr;
    const ItemSnapshot* item = window.dialog.Item(focus.item);
    return item && item->kind == ItemSnapshot::Kind::Control ? item->control : nullptr;
}

namespace {

bool IsControlTarget(const WindowSnapshot& window, DialogItemIndex index) {
    return IsFocusTarget(window, index) &&
           window.dialog.Item(index)->kind == ItemSnapshot::Kind::Control;
}

// The front window's list, the one the arrows and the wheel act on.
const ListSnapshot* FrontList(const ModelSnapshot& model) {
    const WindowSnapshot* front = model.Front();
    return front && !front->lists.empty() ? &front->lists.front() : nullptr;
}

const MenuSnapshot* MenuOfTitleAt(const MenuBarSnapshot& bar, Point where) {
    for (const MenuSnapshot& menu : bar.menus)
        if (PtInRect(where, &menu.titleBounds)) return &menu;
    return nullptr;
}

// 0 when the point is on none of the menu's items.
int ItemAt(const MenuSnapshot& menu, Point where) {
    for (size_t i = 0; i < menu.items.size(); ++i)
        if (PtInRect(where, &menu.items[i].bounds)) return int(i + 1);
    return 0;
}

// The first item whose box holds the point; 0 when there is none.
DialogItemIndex DialogItemAt(const WindowSnapshot& window, Point where) {
    for (const ItemSnapshot& item : window.dialog.items)
        if (PtInRect(where, &item.box)) return item.number;
    return 0;
}

// What Tab visits, in the order of the layout: top to bottom, then left to right. A window with
// a list has one more stop, nothing (0), where the keys go to the list.
std::vector<DialogItemIndex> FocusOrder(const WindowSnapshot& window) {
    std::vector<DialogItemIndex> order;
    for (const ItemSnapshot& item : window.dialog.items)
        if (IsFocusTarget(window, item.number)) order.push_back(item.number);
    std::stable_sort(order.begin(), order.end(), [&](DialogItemIndex a, DialogItemIndex b) {
        const Rect& x = window.dialog.Item(a)->box;
        const Rect& y = window.dialog.Item(b)->box;
        return x.top != y.top ? x.top < y.top : x.left < y.left;
    });
    if (!window.lists.empty()) order.insert(order.begin(), DialogItemIndex(0));
    return order;
}

} // namespace

const MenuSnapshot* KeyConveniences::KeptMenu() const {
    for (const MenuSnapshot& menu : model_.menuBar.menus)
        if (menu.id == keptMenu_) return &menu;
    return nullptr;
}

// What is made up here stands alone: a person pressing Down twice never double-clicks.
void KeyConveniences::Push(RawInput::Kind kind, Point where, std::deque<RawInput>& out,
                           UInt16 modifiers, UInt8 charCode) {
    if (kind != RawInput::Kind::Key) pointer_ = where;
    out.push_back(RawInput{kind, where, modifiers, charCode, true});
}

void KeyConveniences::Click(Point where, std::deque<RawInput>& out) {
    Push(RawInput::Kind::MouseDown, where, out);
    Push(RawInput::Kind::MouseUp, where, out);
}

// A window that comes to the front starts with the keyboard in its current edit field.
void KeyConveniences::FollowFrontWindow() {
    const WindowSnapshot* front = model_.Front();
    const WindowRef id = front ? front->id : nullptr;
    if (id == focusWindow_ && (!front || front->serial == focusSerial_)) return;
    focusWindow_ = id;
    focusSerial_ = front ? front->serial : 0;
    focusItem_ = front && front->isDialog ? front->dialog.editField : 0;
}

// A button that went inactive, or an item that went away, holds the focus no longer.
void KeyConveniences::DropLostFocus() {
    const WindowSnapshot* window = model_.Window(focusWindow_);
    if (focusItem_ != 0 && (!window || !IsFocusTarget(*window, focusItem_)))
        focusItem_ = window && window->isDialog ? window->dialog.editField : 0;
}

void KeyConveniences::Translate(const UserEvent& event, std::deque<RawInput>& out) {
    model_ = TakeSnapshot();
    FollowFrontWindow();
    DropLostFocus();
    switch (event.kind) {
    case UserEvent::Kind::Key:
        Key(event, out);
        break;
    case UserEvent::Kind::BackTab:
        if (!MoveFocus(-1, out)) Push(RawInput::Kind::Key, pointer_, out, shiftKey, kTabCharCode);
        break;
    case UserEvent::Kind::MenuKey:
        if (menuKept_)
            ReleaseMenu(out);
        else if (!model_.menuBar.menus.empty()) {
            const MenuSnapshot& first = model_.menuBar.menus.front();
            keptMenu_ = first.id;
            Push(RawInput::Kind::MouseDown, CentreOf(first.titleBounds), out);
            menuKept_ = true;
        }
        break;
    case UserEvent::Kind::Wheel:
        ScrollList(kWheelRows * event.wheel, out);
        break;
    default:
        Mouse(event, out);
        break;
    }
}

void KeyConveniences::Mouse(const UserEvent& event, std::deque<RawInput>& out) {
    const Point where = event.where;
    switch (event.kind) {
    case UserEvent::Kind::MouseDown:
        if (menuKept_) { // the second click of a menu kept open chooses where it lands
            Push(RawInput::Kind::MouseMove, where, out);
            Push(RawInput::Kind::MouseUp, where, out);
            menuKept_ = false;
            swallowRelease_ = true;
            return;
        }
        held_ = true;
        pressOnTitle_ = MenuOfTitleAt(model_.menuBar, where) != nullptr;
        Push(RawInput::Kind::MouseDown, where, out, event.modifiers);
        out.back().single = false; // the person's own press, which may pair with the last
        if (const WindowSnapshot* front = model_.Front(); front && front->isDialog) {
            const DialogItemIndex item = DialogItemAt(*front, where);
            if (IsFocusTarget(*front, item)) focusItem_ = item;
        }
        break;
    case UserEvent::Kind::MouseMove:
        // A menu kept open follows the pointer, where a display reports moves without a press.
        if (held_ || menuKept_) Push(RawInput::Kind::MouseMove, where, out, event.modifiers);
        break;
    default:
        if (swallowRelease_ || !held_) {
            swallowRelease_ = false;
            return;
        }
        held_ = false;
        if (const MenuSnapshot* title = MenuOfTitleAt(model_.menuBar, where);
            pressOnTitle_ && title) {
            keptMenu_ = title->id; // a click on a title leaves its menu open
            menuKept_ = true;
            return;
        }
        Push(RawInput::Kind::MouseUp, where, out, event.modifiers);
    }
}

void KeyConveniences::Key(const UserEvent& event, std::deque<RawInput>& out) {
    const UInt8 key = event.charCode;
    if (menuKept_ && MenuKey(key, out)) return;
    if (menuKept_) ReleaseMenu(out);
    const bool plain = event.modifiers == 0;
    if (plain && key == kTabCharCode && MoveFocus(+1, out)) return;
    const WindowSnapshot* focused = model_.Window(focusWindow_);
    if (plain && (key == kSpaceCharCode || key == kReturnCharCode) && focused &&
        IsControlTarget(*focused, focusItem_)) {
        Click(CentreOf(focused->dialog.Item(focusItem_)->box), out);
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
bool KeyConveniences::MenuKey(UInt8 charCode, std::deque<RawInput>& out) {
    const auto& bar = model_.menuBar.menus;
    const MenuSnapshot* menu = KeptMenu();
    if (!menu) return false;
    if (charCode == kLeftArrowCharCode || charCode == kRightArrowCharCode) {
        const long step = charCode == kRightArrowCharCode ? 1 : long(bar.size()) - 1;
        const MenuSnapshot& next = bar[size_t((menu - bar.data() + step) % long(bar.size()))];
        keptMenu_ = next.id;
        Push(RawInput::Kind::MouseMove, CentreOf(next.titleBounds), out);
        return true;
    }
    if (charCode == kUpArrowCharCode || charCode == kDownArrowCharCode) {
        const int step = charCode == kDownArrowCharCode ? 1 : -1;
        const int count = int(menu->items.size());
        for (int i = ItemAt(*menu, pointer_) + step; i >= 1 && i <= count; i += step)
            if (menu->items[size_t(i - 1)].choosable) {
                Push(RawInput::Kind::MouseMove, CentreOf(menu->items[size_t(i - 1)].bounds), out);
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

void KeyConveniences::ReleaseAll(std::deque<RawInput>& out) {
    model_ = TakeSnapshot();
    ReleaseMenu(out);
    if (held_) Push(RawInput::Kind::MouseUp, pointer_, out);
    held_ = swallowRelease_ = false;
}

// Let go on the title, where nothing is chosen.
void KeyConveniences::ReleaseMenu(std::deque<RawInput>& out) {
    if (!menuKept_) return;
    menuKept_ = false;
    const MenuSnapshot* menu = KeptMenu();
    if (!menu && !model_.menuBar.menus.empty()) menu = &model_.menuBar.menus.front();
    keptMenu_ = menu ? menu->id : 0;
    const Point title = menu ? CentreOf(menu->titleBounds) : Point{0, 0};
    Push(RawInput::Kind::MouseMove, title, out);
    Push(RawInput::Kind::MouseUp, title, out);
}

// An edit field is entered as with the mouse, by dragging over its whole text; a button only
// takes the keyboard's focus.
bool KeyConveniences::MoveFocus(int direction, std::deque<RawInput>& out) {
    const WindowSnapshot* window = model_.Window(focusWindow_);
    if (!window || !window->isDialog) return false;
    const std::vector<DialogItemIndex> order = FocusOrder(*window);
    if (order.empty() || (order.size() == 1 && order[0] == 0)) return false;
    const long count = long(order.size());
    const auto at = std::find(order.begin(), order.end(), focusItem_);
    // With nothing in focus (and no list stop), forward starts at the first and backward at
    // the last.
    const long from = at != order.end() ? long(at - order.begin()) : (direction > 0 ? -1 : count);
    focusItem_ = order[size_t(((from + direction) % count + count) % count)];
    const ItemSnapshot* item = window->dialog.Item(focusItem_);
    if (!item || item->kind != ItemSnapshot::Kind::EditText) return true;
    if (focusItem_ == window->dialog.editField) return true; // it has the keyboard already
    // From its first character to past its right edge, which the field takes as its end.
    const SInt16 middle = CentreOf(item->box).v;
    Push(RawInput::Kind::MouseDown, Point{middle, SInt16(item->box.left + 1)}, out);
    Push(RawInput::Kind::MouseMove, Point{middle, item->box.right}, out);
    Push(RawInput::Kind::MouseUp, Point{middle, item->box.right}, out);
    return true;
}

// The wheel scrolls the front window's list as its arrows do, three rows a notch.
void KeyConveniences::ScrollList(int rows, std::deque<RawInput>& out) {
    const ListSnapshot* list = FrontList(model_);
    const ControlSnapshot* bar = list ? model_.Front()->Control(list->scrollBar) : nullptr;
    if (!bar) return;
    const Point arrow = CentreOf(rows < 0 ? bar->upArrow : bar->downArrow);
    for (int i = 0; i < std::abs(rows); ++i)
        Click(arrow, out);
}

// The row above or below the selected one is clicked; one out of view (the wheel may have
// moved the view away) is first scrolled to the nearer edge with clicks on the arrows.
bool KeyConveniences::MoveInList(int direction, std::deque<RawInput>& out) {
    const ListSnapshot* list = FrontList(model_);
    if (!list || list->rows == 0) return false;
    const SInt16 top = list->topRow, shown = list->shownRows;
    const SInt16 selected = list->selectedRows.empty() ? SInt16(-1) : list->selectedRows.front();
    const SInt16 target =
        selected < 0 ? top : SInt16(std::clamp(selected + direction, 0, list->rows - 1));
    if (target == selected) return true;
    const int scroll = target < top            ? target - top
                       : target >= top + shown ? target - (top + shown - 1)
                                               : 0;
    if (scroll != 0 && !list->scrollBar) return true;
    ScrollList(scroll, out);
    // The clicks land after the scrolling, where the row now showing there will have gone.
    Click(*TheModelView().listCell(model_.Front()->id, SInt16(target - scroll), 0), out);
    return true;
}

} // namespace platform::display
